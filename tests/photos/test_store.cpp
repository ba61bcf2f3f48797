#include "PhotoTestData.h"

#include "photos/PhotoLoader.h"
#include "photos/PhotoStore.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace vindel;
using namespace phototest;

Q_DECLARE_METATYPE(std::optional<vindel::PhotoFormat>)

class StoreTest : public QObject {
    Q_OBJECT

private slots:
    void plantPhotoNames_data();
    void plantPhotoNames();
    void otherNames();
    void longNamesFit();
    void chosenFileFormat_data();
    void chosenFileFormat();
    void resolution_data();
    void resolution();
    void nothingOutsideTheFolder();
    void jpegIsCopiedByteForByte();
    void bitmapIsWrittenAnew();
    void failedWriteKeepsOldFile();
    void removeDeletesOnlyStoredFile();
};

void StoreTest::plantPhotoNames_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("nr");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("plantName");
    QTest::addColumn<bool>("bitmap");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("jpeg") << 12 << 7 << 2 << "Rosa canina" << false << "12 Nr 7 Bild2 Rosa canina.JPG";
    QTest::newRow("bitmap") << 3 << 15 << 4 << "Iris" << true << "3 Nr 15 Bild4 Iris.bmp";
    QTest::newRow("literature slot") << 3 << 15 << 7 << "Iris" << false << "3 Nr 15 Bild7 Iris.JPG";
    QTest::newRow("umlauts kept") << 5 << 9 << 1 << "Gänseblümchen Größe ß" << false
                                  << "5 Nr 9 Bild1 Gänseblümchen Größe ß.JPG";
    QTest::newRow("apostrophe and dots kept") << 5 << 9 << 1 << "Rosa 'Ännchen' sp." << false
                                              << "5 Nr 9 Bild1 Rosa 'Ännchen' sp..JPG";
    QTest::newRow("slash replaced") << 1 << 2 << 3 << "Malus/Pyrus" << false << "1 Nr 2 Bild3 Malus_Pyrus.JPG";
    QTest::newRow("climbing out replaced") << 1 << 2 << 3 << "../../etc/passwd" << false
                                           << "1 Nr 2 Bild3 .._.._etc_passwd.JPG";
    QTest::newRow("name is just dots") << 1 << 2 << 3 << ".." << false << "1 Nr 2 Bild3 ...JPG";
    QTest::newRow("backslash replaced") << 1 << 2 << 3 << "a\\b" << true << "1 Nr 2 Bild3 a_b.bmp";
    QTest::newRow("control characters replaced") << 1 << 2 << 3 << QString("Tab\there\nNUL") + QChar(0) << false
                                                 << "1 Nr 2 Bild3 Tab_here_NUL_.JPG";
    QTest::newRow("reserved elsewhere replaced") << 1 << 2 << 3 << "a:b*c?d\"e<f>g|h" << false
                                                 << "1 Nr 2 Bild3 a_b_c_d_e_f_g_h.JPG";
    QTest::newRow("empty name") << 1 << 2 << 3 << "" << false << "1 Nr 2 Bild3 .JPG";
}

void StoreTest::plantPhotoNames()
{
    QFETCH(int, id);
    QFETCH(int, nr);
    QFETCH(int, slot);
    QFETCH(QString, plantName);
    QFETCH(bool, bitmap);
    QFETCH(QString, fileName);
    const QString typed = plantName;
    const QString name = PhotoNaming::plantPhoto(id, nr, slot, plantName, bitmap ? PhotoFormat::Bitmap : PhotoFormat::Jpeg);
    QCOMPARE(name, fileName);
    QCOMPARE(plantName, typed); // the plant name itself is not touched

    // Every name we build is usable and lies directly in the folder.
    QTemporaryDir dir;
    const PhotoStore store(dir.path());
    const auto path = store.resolve(name);
    QVERIFY(path);
    QCOMPARE(QFileInfo(*path).absolutePath(), QFileInfo(dir.path()).absoluteFilePath());
    QCOMPARE(QFileInfo(*path).fileName(), name);
}

void StoreTest::otherNames()
{
    QCOMPARE(PhotoNaming::literaturePhoto(7, "Rosa canina", "12 Nr 7 Bild7 Rosa canina.JPG"), "7 Bild7 Rosa canina.JPG");
    QCOMPARE(PhotoNaming::literaturePhoto(7, "Rosa/canina", "x.bmp"), "7 Bild7 Rosa_canina.bmp");
    QCOMPARE(PhotoNaming::diaryPhoto(40, 7, "Rosa canina", PhotoFormat::Jpeg), "40 Nr 7 Historie Rosa canina.JPG");
    QCOMPARE(PhotoNaming::diaryPhoto(40, 7, "Rosa/canina", PhotoFormat::Bitmap), "40 Nr 7 Historie Rosa_canina.bmp");
    QCOMPARE(PhotoNaming::fileNamePart("Ä/ö"), "Ä_ö");
}

void StoreTest::longNamesFit()
{
    const QString longName = QString("Ä").repeated(300);
    const QString name = PhotoNaming::plantPhoto(123, 456, 3, longName, PhotoFormat::Jpeg);
    QVERIFY(name.toUtf8().size() <= PhotoNaming::kMaxFileNameBytes);
    QVERIFY(name.startsWith("123 Nr 456 Bild3 ÄÄ"));
    QVERIFY(name.endsWith("Ä.JPG"));

    QTemporaryDir dir;
    const PhotoStore store(dir.path());
    QVERIFY(store.writeJpegData(encode(quadrants(8, 8), "JPEG"), name));
    QVERIFY(store.contains(name));
}

void StoreTest::chosenFileFormat_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<std::optional<PhotoFormat>>("format");
    QTest::newRow(".JPG") << "/home/a/Blume.JPG" << std::optional(PhotoFormat::Jpeg);
    QTest::newRow(".jpg") << "Blume.jpg" << std::optional(PhotoFormat::Jpeg);
    QTest::newRow(".BMP") << "Blume.BMP" << std::optional(PhotoFormat::Bitmap);
    QTest::newRow(".bmp") << "Blume.bmp" << std::optional(PhotoFormat::Bitmap);
    QTest::newRow(".jpeg refused") << "Blume.jpeg" << std::optional<PhotoFormat>();
    QTest::newRow(".Jpg refused") << "Blume.Jpg" << std::optional<PhotoFormat>();
    QTest::newRow(".png refused") << "Blume.png" << std::optional<PhotoFormat>();
    QTest::newRow("no extension") << "Blume" << std::optional<PhotoFormat>();
}

void StoreTest::chosenFileFormat()
{
    QFETCH(QString, fileName);
    QFETCH(std::optional<PhotoFormat>, format);
    QCOMPARE(PhotoNaming::formatOfChosenFile(fileName), format);
}

void StoreTest::resolution_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("usable");
    QTest::newRow("plain name") << "12 Nr 7 Bild2 Rosa canina.JPG" << true;
    QTest::newRow("dots inside a name") << "12 Nr 7 Bild2 Rosa sp..JPG" << true;
    QTest::newRow("parent") << "../x.jpg" << false;
    QTest::newRow("parent, Windows") << "..\\x.jpg" << false;
    QTest::newRow("absolute") << "/etc/passwd" << false;
    QTest::newRow("subfolder") << "a/b.jpg" << false;
    QTest::newRow("Windows path") << "C:\\Fotos\\b.jpg" << false;
    QTest::newRow("dot-dot") << ".." << false;
    QTest::newRow("dot") << "." << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("newline") << "a\nb.JPG" << false;
    QTest::newRow("too long") << QString("x").repeated(256) << false;
}

void StoreTest::resolution()
{
    QFETCH(QString, stored);
    QFETCH(bool, usable);
    QTemporaryDir dir;
    const PhotoStore store(dir.path() + "/");
    QCOMPARE(PhotoStore::isUsableName(stored), usable);
    const auto path = store.resolve(stored);
    QCOMPARE(bool(path), usable);
    if (path)
        QCOMPARE(*path, dir.path() + "/" + stored);
    QVERIFY(!PhotoStore().resolve(stored)); // no folder set: nothing resolves
}

void StoreTest::nothingOutsideTheFolder()
{
    QTemporaryDir root;
    QDir(root.path()).mkdir("Fotos");
    const QString outside = root.filePath("x.jpg");
    const QByteArray jpeg = encode(quadrants(8, 8), "JPEG");
    writeFile(outside, jpeg);
    writeFile(root.filePath("Fotos/a.JPG"), jpeg);
    const PhotoStore store(root.filePath("Fotos"));

    QVERIFY(!store.contains("../x.jpg"));
    QVERIFY(!store.remove("../x.jpg"));
    QVERIFY(!store.writeJpegData(jpeg, "../y.jpg"));
    QVERIFY(!store.writeBitmap(quadrants(4, 4), "../y.bmp"));
    QVERIFY(!store.copyJpeg(root.filePath("Fotos/a.JPG"), "../x.jpg"));
    QVERIFY(!store.remove(outside));
    QVERIFY(QFileInfo::exists(outside));
    QVERIFY(!QFileInfo::exists(root.filePath("y.jpg")));
    QVERIFY(!QFileInfo::exists(root.filePath("y.bmp")));
    QCOMPARE(readFile(outside), jpeg);
}

void StoreTest::jpegIsCopiedByteForByte()
{
    QTemporaryDir dir;
    const QString source = dir.filePath("camera.jpg");
    // With an EXIF segment, which re-encoding would lose.
    const QByteArray jpeg = withExif(encode(noisy(120, 80), "JPEG", 87), 6);
    writeFile(source, jpeg);
    const PhotoStore store(dir.filePath("Fotos"));
    QVERIFY(store.ensureFolder());
    const QString name = PhotoNaming::plantPhoto(3, 15, 4, "Iris", PhotoFormat::Jpeg);
    QString error;
    QVERIFY2(store.copyJpeg(source, name, &error), qPrintable(error));
    QCOMPARE(readFile(dir.filePath("Fotos/3 Nr 15 Bild4 Iris.JPG")), jpeg);

    // Storing the stored file onto itself leaves it intact.
    QVERIFY(store.copyJpeg(*store.resolve(name), name));
    QCOMPARE(readFile(*store.resolve(name)), jpeg);

    // Not a JPEG: nothing written.
    writeFile(dir.filePath("fake.jpg"), "GIF89a...");
    QVERIFY(!store.copyJpeg(dir.filePath("fake.jpg"), "fake.JPG", &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!store.contains("fake.JPG"));
}

void StoreTest::bitmapIsWrittenAnew()
{
    QTemporaryDir dir;
    const PhotoStore store(dir.path());
    const QImage picture = quadrants(30, 20);
    QVERIFY(store.writeBitmap(picture, "1 Nr 1 Bild1 X.bmp"));
    const QByteArray bytes = readFile(dir.filePath("1 Nr 1 Bild1 X.bmp"));
    QVERIFY(bytes.startsWith("BM"));
    const PhotoLoadResult r = loadPhoto(dir.filePath("1 Nr 1 Bild1 X.bmp"));
    QVERIFY(r.ok());
    QCOMPARE(r.image.convertToFormat(QImage::Format_RGB32), picture);
}

void StoreTest::failedWriteKeepsOldFile()
{
    QTemporaryDir dir;
    const PhotoStore store(dir.path());
    const QByteArray old = encode(quadrants(8, 8), "JPEG");
    QVERIFY(store.writeJpegData(old, "a.JPG"));
    QVERIFY(!store.writeJpegData("not a jpeg", "a.JPG"));
    QCOMPARE(readFile(dir.filePath("a.JPG")), old);

    // A folder that cannot be written: the error comes back, the old file stays.
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QString error;
    const bool wrote = store.writeJpegData(encode(quadrants(16, 16), "JPEG"), "a.JPG", &error);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (::geteuid() == 0)
        QSKIP("running as root: folder permissions are not enforced");
    QVERIFY(!wrote);
    QVERIFY(!error.isEmpty());
    QCOMPARE(readFile(dir.filePath("a.JPG")), old);
}

void StoreTest::removeDeletesOnlyStoredFile()
{
    QTemporaryDir dir;
    const PhotoStore store(dir.path());
    writeFile(dir.filePath("a.JPG"), encode(quadrants(8, 8), "JPEG"));
    QDir(dir.path()).mkdir("sub.JPG");
    QVERIFY(!store.remove("sub.JPG")); // folders are not photos
    QVERIFY(QFileInfo(dir.filePath("sub.JPG")).isDir());
    QVERIFY(!store.remove("b.JPG"));
    QVERIFY(store.remove("a.JPG"));
    QVERIFY(!QFileInfo::exists(dir.filePath("a.JPG")));
}

QTEST_MAIN(StoreTest)
#include "test_store.moc"
