// The start-up side of the Access import, through the real helper process: the swap on success,
// and on any failure (damaged file, helper crashing, hanging or missing) the original untouched,
// nothing half-written left beside it, and the calling process alive.
#include "data/Database.h"
#include "import/LegacyImport.h"
#include "../support/RecordingProgress.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace vindel;

namespace {

QString fixture(const QString &name) { return QStringLiteral(VINDEL_TEST_DATA "/access/") + name; }

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes, bool executable = false)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    if (executable)
        f.setPermissions(f.permissions() | QFile::ExeOwner);
}

// A name as Jet 4 keeps it in its catalogue.
QByteArray utf16(const QString &text)
{
    return QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

QStringList filesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class LegacyStartupTest : public QObject {
    Q_OBJECT
    QString m_helper;

private slots:
    void initTestCase()
    {
        // The helper is built beside the program executable.
        m_helper = QStringLiteral(VINDEL_IMPORT_HELPER);
        QVERIFY2(QFileInfo(m_helper).isExecutable(), qPrintable("helper not built: " + m_helper));
    }

    void importsAndKeepsTheOriginal()
    {
        QTemporaryDir dir;
        const QString programDir = dir.path() + "/";
        const QByteArray original = bytesOf(fixture("pflanzen-v2.mdb"));
        writeFile(programDir + "Pflanzen.mdb", original);

        test::RecordingProgress progress;
        const LegacyImport::Outcome o = LegacyImport(programDir, m_helper).run(progress);
        QCOMPARE(o.result, LegacyImport::Result::Imported);
        // The bar ran from nothing to all 82 rows.
        QCOMPARE(progress.maximum(), qint64(82));
        QCOMPARE(progress.values.first(), qint64(0));
        QCOMPARE(progress.values.last(), qint64(82));
        const QString kept = programDir + "Pflanzen (Access-Original).mdb";
        QCOMPARE(o.originalPath, kept);
        QCOMPARE(bytesOf(kept), original);
        QCOMPARE(bytesOf(programDir + "Pflanzen.mdb").left(16), QByteArray("SQLite format 3\0", 16));
        QCOMPARE(filesIn(programDir), (QStringList{"Fotos", "Pflanzen (Access-Original).mdb", "Pflanzen.mdb"}));

        QVERIFY2(o.message.contains(kept), qPrintable(o.message));
        QVERIFY(o.message.contains("in das neue Datenbankformat übernommen (11 Tabellen, 82 Datensätze)"));
        QVERIFY(o.message.contains("\"C:\\Programme\\Pflanzen\\Fotos\\\" ist ein Windows-Pfad"));
        QVERIFY(o.message.contains("\"" + programDir + "Fotos/\" eingetragen"));

        Database db;
        db.open(programDir + "Pflanzen.mdb");
        QCOMPARE(db.select("SELECT count(*) FROM Pflanzen")[0][0].toLongLong(), qint64(12));
        QCOMPARE(db.select("SELECT Speicherpfad FROM Stammdaten")[0][0].toString(), programDir + "Fotos/");
        db.close();

        // The next start finds a database of ours and leaves everything as it is.
        const LegacyImport::Outcome again = LegacyImport(programDir, m_helper).run();
        QCOMPARE(again.result, LegacyImport::Result::NotJet);
        QVERIFY(again.message.isEmpty());
        QCOMPARE(bytesOf(kept), original);
    }

    void anOlderKeptOriginalIsNotOverwritten()
    {
        QTemporaryDir dir;
        const QString programDir = dir.path() + "/";
        writeFile(programDir + "Pflanzen (Access-Original).mdb", "eine frühere Datei");
        const QByteArray original = bytesOf(fixture("pflanzen-v4.mdb"));
        writeFile(programDir + "Pflanzen.mdb", original);

        const LegacyImport::Outcome o = LegacyImport(programDir, m_helper).run();
        QCOMPARE(o.result, LegacyImport::Result::Imported);
        QCOMPARE(o.originalPath, programDir + "Pflanzen (Access-Original) 2.mdb");
        QCOMPARE(bytesOf(o.originalPath), original);
        QCOMPARE(bytesOf(programDir + "Pflanzen (Access-Original).mdb"), QByteArray("eine frühere Datei"));
    }

    void damagedFileIsLeftAlone_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("truncated at a page end") << bytesOf(fixture("damaged-truncated.mdb")) << "beschädigt";
        QTest::newRow("truncated inside a page")
            << bytesOf(fixture("pflanzen-v3.mdb")).left(200000) << "unvollständig";
        QTest::newRow("Jet header, random rest") << bytesOf(fixture("damaged-random.mdb")) << "unlesbar";
    }
    void damagedFileIsLeftAlone()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString programDir = dir.path() + "/";
        writeFile(programDir + "Pflanzen.mdb", bytes);

        const LegacyImport::Outcome o = LegacyImport(programDir, m_helper).run();
        QCOMPARE(o.result, LegacyImport::Result::Failed);
        QVERIFY2(o.message.contains(reason), qPrintable(o.message));
        QVERIFY(o.message.contains("nicht verändert"));
        QVERIFY(o.message.contains(programDir + "Pflanzen.mdb"));
        QCOMPARE(o.originalPath, programDir + "Pflanzen.mdb");
        QCOMPARE(bytesOf(programDir + "Pflanzen.mdb"), bytes);
        QCOMPARE(filesIn(programDir), QStringList{"Pflanzen.mdb"});
    }

    // Another application's Access file put in as "Pflanzen.mdb" is not converted: the user hears
    // that it is no plant database, and the folder stays exactly as it was.
    void accessFileOfAnotherApplicationIsRefused()
    {
        QTemporaryDir dir;
        const QString programDir = dir.path() + "/";
        QByteArray foreign = bytesOf(fixture("pflanzen-v2.mdb"));
        foreign.replace(utf16("Kategorien"), utf16("Rezeptbuch"));
        writeFile(programDir + "Pflanzen.mdb", foreign);

        const LegacyImport::Outcome o = LegacyImport(programDir, m_helper).run();
        QCOMPARE(o.result, LegacyImport::Result::Failed);
        QVERIFY2(o.message.startsWith("Die Datei \"Pflanzen.mdb\" ist eine Access-Datenbank, aber keine "
                                      "Pflanzen-Datenbank dieses Programms. Es fehlen die Tabellen Kategorien."),
                 qPrintable(o.message));
        QVERIFY(o.message.contains("nicht verändert"));
        QCOMPARE(bytesOf(programDir + "Pflanzen.mdb"), foreign);
        QCOMPARE(filesIn(programDir), QStringList{"Pflanzen.mdb"});
    }

    void helperTroubleIsReported_data()
    {
        QTest::addColumn<QByteArray>("script"); // empty: no helper at all
        QTest::addColumn<QString>("reason");
        QTest::newRow("crashes") << QByteArray("#!/bin/sh\nkill -SEGV $$\n") << "abgestürzt";
        QTest::newRow("hangs") << QByteArray("#!/bin/sh\nexec sleep 30\n") << "kam nicht mehr voran";
        QTest::newRow("hangs after some progress")
            << QByteArray("#!/bin/sh\necho FORTSCHRITT 0 90\necho FORTSCHRITT 40 90\nexec sleep 30\n")
            << "kam nicht mehr voran";
        QTest::newRow("fails without a word") << QByteArray("#!/bin/sh\nexit 3\n") << "Fehlercode 3";
        QTest::newRow("claims success, writes nothing") << QByteArray("#!/bin/sh\necho OK 12 92\n")
                                                        << "keine vollständige Datenbank";
        QTest::newRow("leaves a half-written file")
            << QByteArray("#!/bin/sh\necho halb > \"$2.Ab12Cd\"\necho 'Kaputt.' >&2\nexit 1\n") << "Kaputt.";
        QTest::newRow("missing") << QByteArray() << "fehlt";
    }
    void helperTroubleIsReported()
    {
        QFETCH(QByteArray, script);
        QFETCH(QString, reason);
        QTemporaryDir dir, tools;
        const QString programDir = dir.path() + "/";
        const QByteArray original = bytesOf(fixture("pflanzen-v3.mdb"));
        writeFile(programDir + "Pflanzen.mdb", original);
        const QString helper = tools.filePath("helper.sh");
        if (!script.isEmpty())
            writeFile(helper, script, true);

        LegacyImport import(programDir, helper);
        import.setStallTimeout(500);
        const LegacyImport::Outcome o = import.run();
        QCOMPARE(o.result, LegacyImport::Result::Failed);
        QVERIFY2(o.message.contains(reason), qPrintable(o.message));
        QCOMPARE(bytesOf(programDir + "Pflanzen.mdb"), original);
        QCOMPARE(filesIn(programDir), QStringList{"Pflanzen.mdb"});
    }

    void notAnAccessFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("random bytes") << [] {
            QByteArray b(8192, '\0');
            QRandomGenerator gen(42);
            for (char &c : b)
                c = char(gen.bounded(256));
            return b;
        }();
        QTest::newRow("empty file") << QByteArray();
    }
    void notAnAccessFile()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString programDir = dir.path() + "/";
        writeFile(programDir + "Pflanzen.mdb", bytes);
        const LegacyImport::Outcome o = LegacyImport(programDir, m_helper).run();
        QCOMPARE(o.result, LegacyImport::Result::NotJet);
        QCOMPARE(bytesOf(programDir + "Pflanzen.mdb"), bytes);
        QCOMPARE(filesIn(programDir), QStringList{"Pflanzen.mdb"});
    }

    void noDatabaseAtAll()
    {
        QTemporaryDir dir;
        QCOMPARE(LegacyImport(dir.path() + "/", m_helper).run().result, LegacyImport::Result::NotJet);
        QCOMPARE(filesIn(dir.path()), QStringList());
    }
};

QTEST_GUILESS_MAIN(LegacyStartupTest)
#include "test_legacy_startup.moc"
