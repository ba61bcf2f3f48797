// CountFiles: plain files of a folder matching a mask.
#include "app/CountFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vindel;

class TestCountFiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void count_data();
    void count();

private:
    void touch(const QString &relative);
    QTemporaryDir m_dir;
};

void TestCountFiles::touch(const QString &relative)
{
    QFile f(m_dir.filePath(relative));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x");
}

void TestCountFiles::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // Four plain files (one read-only, one without extension), one hidden file, a folder with a
    // file inside, and a folder whose name looks like a photo.
    touch("1_Aloe_1.jpg");
    touch("2_Agave_1.JPG");
    touch("3_Ficus_2.bmp");
    touch("ohneEndung");
    QFile::setPermissions(m_dir.filePath("3_Ficus_2.bmp"), QFileDevice::ReadOwner);
    touch(".versteckt.jpg");
    QVERIFY(QDir(m_dir.path()).mkdir("Unterordner"));
    touch("Unterordner/innen.jpg");
    QVERIFY(QDir(m_dir.path()).mkdir("Ordner.jpg"));
    QVERIFY(QDir(m_dir.path()).mkdir("leer"));
}

void TestCountFiles::count_data()
{
    QTest::addColumn<QString>("folder"); // relative to the test folder; "-" for an empty text
    QTest::addColumn<QString>("mask");
    QTest::addColumn<int>("expected");
    QTest::newRow("all, trailing separator") << "/" << "*.*" << 4;
    QTest::newRow("all, no trailing separator") << "" << "*.*" << 4;
    QTest::newRow("jpg in any case") << "/" << "*.jpg" << 2;
    QTest::newRow("bmp") << "" << "*.bmp" << 1;
    QTest::newRow("subfolder") << "/Unterordner" << "*.*" << 1;
    QTest::newRow("empty folder") << "/leer/" << "*.*" << 0;
    QTest::newRow("missing folder") << "/gibtesnicht" << "*.*" << 0;
    QTest::newRow("empty folder text") << "-" << "*.*" << 0;
}

void TestCountFiles::count()
{
    QFETCH(QString, folder);
    QFETCH(QString, mask);
    QFETCH(int, expected);
    const QString path = folder == QLatin1String("-") ? QString() : m_dir.path() + folder;
    QCOMPARE(CountFiles(path, mask), expected);
}

QTEST_GUILESS_MAIN(TestCountFiles)
#include "test_count_files.moc"
