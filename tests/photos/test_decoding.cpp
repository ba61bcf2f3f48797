#include "PhotoTestData.h"

#include "photos/ExifOrientation.h"
#include "photos/JpegDecoder.h"
#include "photos/PhotoLoader.h"

#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

#include <jpeglib.h>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

using namespace vindel;
using namespace phototest;

Q_DECLARE_METATYPE(QList<QColor>)

namespace {

// Runs fn with stderr sent to a file and returns what was written there.
template <typename Fn>
QByteArray stderrOf(Fn fn)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("stderr.txt");
    std::fflush(stderr);
    const int saved = ::dup(2);
    const int fd = ::open(QFile::encodeName(path).constData(), O_CREAT | O_WRONLY | O_TRUNC, 0600);
    ::dup2(fd, 2);
    fn();
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(fd);
    ::close(saved);
    return readFile(path);
}


// A JPEG written by libjpeg itself, for the codings Qt's writer does not offer.
QByteArray libjpegEncode(const QImage &source, bool progressive, bool arithmetic)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char *out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = JDIMENSION(image.width());
    cinfo.image_height = JDIMENSION(image.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    cinfo.arith_code = arithmetic ? TRUE : FALSE;
    if (progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char *>(out), qsizetype(size));
    std::free(out);
    return bytes;
}

// The same bytes, with the frame header declaring another size (nothing else changes).
QByteArray declaringSize(QByteArray jpeg, int width, int height)
{
    for (qsizetype i = 2; i + 9 < jpeg.size(); ++i) {
        const uchar m = uchar(jpeg[i + 1]);
        if (uchar(jpeg[i]) == 0xFF && m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC) {
            jpeg[i + 5] = char(height >> 8);
            jpeg[i + 6] = char(height & 0xFF);
            jpeg[i + 7] = char(width >> 8);
            jpeg[i + 8] = char(width & 0xFF);
            return jpeg;
        }
    }
    qFatal("no frame header");
}

// A bitmap header declaring width x height pixels of 24 bits, followed by a few bytes.
QByteArray bitmapDeclaring(int width, int height)
{
    QByteArray b(57, '\0');
    auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, b.data() + at); };
    auto put16 = [&](int at, quint16 v) { qToLittleEndian(v, b.data() + at); };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, quint32(b.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, quint32(width));
    put32(22, quint32(height));
    put16(26, 1);
    put16(28, 24);
    return b;
}

} // namespace

class DecodingTest : public QObject {
    Q_OBJECT

private slots:
    void decodesFullAndScaled_data();
    void decodesFullAndScaled();
    void scaleDenominator_data();
    void scaleDenominator();
    void grayscaleJpeg();
    void progressiveJpeg();
    void adobeCmykJpeg();
    void damagedDataIsAnErrorQuietly_data();
    void damagedDataIsAnErrorQuietly();
    void mutatedFilesNeverCrash();
    void exifOrientationTurnsPicture_data();
    void exifOrientationTurnsPicture();
    void exifParserIsBoundsChecked_data();
    void exifParserIsBoundsChecked();
    void loadJpegIntoKeepsTargetOnFailure();
    void loadPhotoFiles();
    void cancelledDecodeStops();
    void oversizedPicturesAreRefused_data();
    void oversizedPicturesAreRefused();
    void smallArithmeticJpegStillDecodes();
};

void DecodingTest::decodesFullAndScaled_data()
{
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QSize>("expected");
    QTest::addColumn<int>("denominator");
    QTest::newRow("no target: full size") << QSize() << QSize(800, 600) << 1;
    QTest::newRow("box larger than picture") << QSize(1600, 1200) << QSize(800, 600) << 1;
    QTest::newRow("half not enough") << QSize(500, 500) << QSize(800, 600) << 1;
    QTest::newRow("half") << QSize(400, 300) << QSize(400, 300) << 2;
    QTest::newRow("quarter") << QSize(200, 150) << QSize(200, 150) << 4;
    QTest::newRow("eighth") << QSize(100, 75) << QSize(100, 75) << 8;
    QTest::newRow("square box, eighth covers 90x68") << QSize(90, 90) << QSize(100, 75) << 8;
    QTest::newRow("just over an eighth") << QSize(101, 76) << QSize(200, 150) << 4;
}

void DecodingTest::decodesFullAndScaled()
{
    QFETCH(QSize, box);
    QFETCH(QSize, expected);
    QFETCH(int, denominator);
    const QByteArray jpeg = encode(quadrants(800, 600), "JPEG");
    JpegDecodeOptions options;
    options.boundingBox = box;
    const JpegDecodeResult r = decodeJpeg(jpeg, options);
    QVERIFY2(r.ok(), qPrintable(r.error));
    QCOMPARE(r.image.size(), expected);
    QCOMPARE(r.scaleDenominator, denominator);
    QCOMPARE(r.fullSize, QSize(800, 600));
    QCOMPARE(r.image.format(), QImage::Format_RGB32);
    const int w = r.image.width(), h = r.image.height();
    QVERIFY(near(r.image.pixel(w / 4, h / 4), Qt::red));
    QVERIFY(near(r.image.pixel(3 * w / 4, h / 4), Qt::green));
    QVERIFY(near(r.image.pixel(w / 4, 3 * h / 4), Qt::blue));
    QVERIFY(near(r.image.pixel(3 * w / 4, 3 * h / 4), Qt::white));
}

void DecodingTest::scaleDenominator_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("needed");
    QTest::addColumn<int>("denominator");
    QTest::newRow("camera to thumbnail") << QSize(4000, 3000) << QSize(167, 125) << 8;
    QTest::newRow("camera to details") << QSize(4000, 3000) << QSize(600, 450) << 4;
    QTest::newRow("odd size rounds up like libjpeg") << QSize(801, 601) << QSize(101, 76) << 8;
    QTest::newRow("exact half") << QSize(800, 600) << QSize(400, 300) << 2;
    QTest::newRow("one pixel over half") << QSize(800, 600) << QSize(401, 300) << 1;
    QTest::newRow("nothing needed") << QSize(800, 600) << QSize() << 1;
    QTest::newRow("tiny picture") << QSize(7, 5) << QSize(1, 1) << 8;
}

void DecodingTest::scaleDenominator()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, needed);
    QFETCH(int, denominator);
    QCOMPARE(chooseScaleDenominator(picture, needed), denominator);
}

void DecodingTest::grayscaleJpeg()
{
    QImage gray(64, 48, QImage::Format_Grayscale8);
    gray.fill(200);
    const JpegDecodeResult r = decodeJpeg(encode(gray, "JPEG"));
    QVERIFY2(r.ok(), qPrintable(r.error));
    QCOMPARE(r.image.size(), QSize(64, 48));
    QVERIFY(near(r.image.pixel(10, 10), QColor(200, 200, 200), 6));
}

void DecodingTest::progressiveJpeg()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.setQuality(90);
    QVERIFY(writer.write(quadrants(800, 600)));
    buffer.close();

    JpegDecodeOptions options;
    options.boundingBox = QSize(100, 75);
    JpegDecodeResult r = decodeJpeg(bytes, options);
    QVERIFY2(r.ok(), qPrintable(r.error));
    QCOMPARE(r.image.size(), QSize(100, 75));
    QVERIFY(near(r.image.pixel(25, 18), Qt::red));
    QVERIFY(near(r.image.pixel(75, 56), Qt::white));
    r = decodeJpeg(bytes);
    QVERIFY(r.ok());
    QCOMPARE(r.image.size(), QSize(800, 600));
    QCOMPARE(decodeJpeg(bytes.left(bytes.size() * 2 / 3)).status, JpegDecodeResult::Status::Damaged);

    // All scans are read before the first row comes out; stopping still works there.
    options.cancelled = [] { return true; };
    QCOMPARE(decodeJpeg(bytes, options).status, JpegDecodeResult::Status::Cancelled);
}

// Print shops hand out CMYK JPEGs with an Adobe marker, whose ink values are stored inverted.
void DecodingTest::adobeCmykJpeg()
{
    const int w = 32, h = 16;
    std::vector<unsigned char> pixels(std::size_t(w * h * 4));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            unsigned char *p = &pixels[std::size_t((y * w + x) * 4)];
            p[0] = x < w / 2 ? 255 : 0; // no cyan on the left, full cyan on the right
            p[1] = p[2] = p[3] = 255;   // no magenta, yellow or black
        }
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char *out = nullptr;
    unsigned long outSize = 0;
    jpeg_mem_dest(&c, &out, &outSize);
    c.image_width = w;
    c.image_height = h;
    c.input_components = 4;
    c.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 95, TRUE);
    jpeg_start_compress(&c, TRUE);
    while (c.next_scanline < c.image_height) {
        JSAMPROW row = &pixels[std::size_t(c.next_scanline * w * 4)];
        jpeg_write_scanlines(&c, &row, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    const QByteArray bytes(reinterpret_cast<const char *>(out), qsizetype(outSize));
    free(out);

    const JpegDecodeResult r = decodeJpeg(bytes);
    QVERIFY2(r.ok(), qPrintable(r.error));
    QCOMPARE(r.image.size(), QSize(w, h));
    QVERIFY(near(r.image.pixel(4, 8), Qt::white, 12));
    QVERIFY(near(r.image.pixel(28, 8), Qt::cyan, 12));
}

void DecodingTest::damagedDataIsAnErrorQuietly_data()
{
    const QByteArray good = encode(noisy(320, 240), "JPEG");
    QByteArray randomTail("\xFF\xD8\xFF", 3);
    QRandomGenerator rng(7);
    for (int i = 0; i < 5000; ++i)
        randomTail.append(char(rng.bounded(256)));
    QByteArray noise;
    for (int i = 0; i < 5000; ++i)
        noise.append(char(rng.bounded(256)));
    QByteArray corruptScan = good;
    // Overwrite the middle of the entropy-coded data with marker bytes.
    for (qsizetype i = corruptScan.size() / 2; i < corruptScan.size() / 2 + 64; i += 2) {
        corruptScan[i] = char(0xFF);
        corruptScan[i + 1] = char(0xD0 + (i % 8));
    }

    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QSize>("box");
    QTest::newRow("truncated at half") << good.left(good.size() / 2) << QSize();
    QTest::newRow("truncated at half, scaled") << good.left(good.size() / 2) << QSize(40, 30);
    QTest::newRow("truncated in the header") << good.left(40) << QSize();
    QTest::newRow("only the start marker") << good.left(3) << QSize();
    QTest::newRow("random after a start marker") << randomTail << QSize();
    QTest::newRow("random bytes") << noise << QSize();
    QTest::newRow("empty") << QByteArray() << QSize();
    QTest::newRow("markers in the scan") << corruptScan << QSize();
}

void DecodingTest::damagedDataIsAnErrorQuietly()
{
    QFETCH(QByteArray, data);
    QFETCH(QSize, box);
    PhotoLoadResult r;
    const QByteArray printed = stderrOf([&] { r = loadPhotoData(data, box); });
    QCOMPARE(r.status, PhotoStatus::Damaged);
    QVERIFY(r.image.isNull());
    QVERIFY(!r.error.isEmpty());
    QVERIFY2(printed.isEmpty(), printed.constData());
}

void DecodingTest::mutatedFilesNeverCrash()
{
    const QByteArray good = encode(noisy(160, 120, 3), "JPEG");
    QRandomGenerator rng(11);
    int damaged = 0;
    for (int round = 0; round < 300; ++round) {
        QByteArray bad = good;
        const int flips = 1 + int(rng.bounded(20));
        for (int i = 0; i < flips; ++i)
            bad[qsizetype(rng.bounded(quint32(bad.size())))] = char(rng.bounded(256));
        if (round % 3 == 0)
            bad.truncate(qsizetype(rng.bounded(quint32(bad.size()))));
        JpegDecodeOptions options;
        if (round % 2)
            options.boundingBox = QSize(40, 30);
        const JpegDecodeResult r = decodeJpeg(bad, options);
        if (r.ok())
            QVERIFY(!r.image.isNull());
        else
            ++damaged;
    }
    QVERIFY(damaged > 0);
}

void DecodingTest::exifOrientationTurnsPicture_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("bigEndian");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<QColor>>("corners"); // top-left, top-right, bottom-left, bottom-right
    const QColor R = Qt::red, G = Qt::green, B = Qt::blue, W = Qt::white;
    const QSize wide(64, 32), tall(32, 64);
    QTest::newRow("1 upright") << 1 << false << QSize() << wide << QList<QColor>{R, G, B, W};
    QTest::newRow("2 mirrored") << 2 << false << QSize() << wide << QList<QColor>{G, R, W, B};
    QTest::newRow("3 upside down") << 3 << false << QSize() << wide << QList<QColor>{W, B, G, R};
    QTest::newRow("4 flipped") << 4 << false << QSize() << wide << QList<QColor>{B, W, R, G};
    QTest::newRow("5 transposed") << 5 << false << QSize() << tall << QList<QColor>{R, B, G, W};
    QTest::newRow("6 turned right") << 6 << false << QSize() << tall << QList<QColor>{B, R, W, G};
    QTest::newRow("6 big-endian") << 6 << true << QSize() << tall << QList<QColor>{B, R, W, G};
    QTest::newRow("6 scaled into an upright box") << 6 << false << QSize(16, 32) << QSize(16, 32)
                                                  << QList<QColor>{B, R, W, G};
    QTest::newRow("7 transverse") << 7 << false << QSize() << tall << QList<QColor>{W, G, B, R};
    QTest::newRow("8 turned left") << 8 << false << QSize() << tall << QList<QColor>{G, W, R, B};
    QTest::newRow("8 big-endian") << 8 << true << QSize() << tall << QList<QColor>{G, W, R, B};
    QTest::newRow("9 is not an orientation") << 9 << false << QSize() << wide << QList<QColor>{R, G, B, W};
}

void DecodingTest::exifOrientationTurnsPicture()
{
    QFETCH(int, orientation);
    QFETCH(bool, bigEndian);
    QFETCH(QSize, box);
    QFETCH(QSize, size);
    QFETCH(QList<QColor>, corners);
    const QByteArray jpeg = withExif(encode(quadrants(64, 32), "JPEG", 95), orientation, bigEndian);
    JpegDecodeOptions options;
    options.boundingBox = box;
    const JpegDecodeResult r = decodeJpeg(jpeg, options);
    QVERIFY2(r.ok(), qPrintable(r.error));
    QCOMPARE(r.orientation, orientation <= 8 ? orientation : 1);
    QCOMPARE(r.image.size(), size);
    const int w = size.width(), h = size.height();
    QVERIFY(near(r.image.pixel(w / 4, h / 4), corners[0]));
    QVERIFY(near(r.image.pixel(3 * w / 4, h / 4), corners[1]));
    QVERIFY(near(r.image.pixel(w / 4, 3 * h / 4), corners[2]));
    QVERIFY(near(r.image.pixel(3 * w / 4, 3 * h / 4), corners[3]));

    // The file loader shows it the same way.
    QTemporaryDir dir;
    writeFile(dir.filePath("x.JPG"), jpeg);
    const PhotoLoadResult p = loadPhoto(dir.filePath("x.JPG"), box);
    QVERIFY(p.ok());
    QCOMPARE(p.image.size(), size);
}

void DecodingTest::exifParserIsBoundsChecked_data()
{
    QTest::addColumn<QByteArray>("payload"); // APP1 payload, from "Exif\0\0" on
    QTest::addColumn<int>("orientation");
    const QByteArray good = exifSegment(6).mid(4);
    QTest::newRow("well formed") << good << 6;
    QTest::newRow("no Exif header") << QByteArray("http://ns.adobe.com/xap/1.0/") << 1;
    QTest::newRow("header only") << good.left(6) << 1;
    QTest::newRow("cut inside the TIFF header") << good.left(11) << 1;
    QTest::newRow("cut inside the entry count") << good.left(6 + 9) << 1;
    QTest::newRow("cut inside the entry") << good.left(6 + 10 + 9) << 1;
    QTest::newRow("cut before the value") << good.left(6 + 10 + 8) << 1;
    QByteArray farIfd = good;
    farIfd[6 + 4] = char(0xF0); farIfd[6 + 5] = char(0xFF); farIfd[6 + 6] = char(0xFF); farIfd[6 + 7] = char(0x7F);
    QTest::newRow("IFD offset far outside") << farIfd << 1;
    QByteArray manyEntries = good;
    manyEntries[6 + 8] = char(0xFF); manyEntries[6 + 9] = char(0xFF);
    QTest::newRow("entry count larger than the data") << manyEntries << 6;
    QByteArray badMagic = good;
    badMagic[6 + 2] = 43;
    QTest::newRow("not TIFF") << badMagic << 1;
    QByteArray wrongType = good;
    wrongType[6 + 10 + 2] = 2; // ASCII
    QTest::newRow("wrong value type") << wrongType << 1;
    QByteArray zero = good;
    zero[6 + 10 + 8] = 0;
    QTest::newRow("orientation 0") << zero << 1;
}

void DecodingTest::exifParserIsBoundsChecked()
{
    QFETCH(QByteArray, payload);
    QFETCH(int, orientation);
    // A heap copy of exactly the payload's length, so a read past its end would be caught by
    // address checking tools.
    std::vector<unsigned char> exact(payload.begin(), payload.end());
    QCOMPARE(exifOrientationFromApp1(exact.data(), exact.size()), orientation);
}

void DecodingTest::loadJpegIntoKeepsTargetOnFailure()
{
    QTemporaryDir dir;
    const QString good = dir.filePath("good.JPG"), bad = dir.filePath("bad.JPG");
    const QByteArray jpeg = encode(quadrants(64, 32), "JPEG");
    writeFile(good, jpeg);
    writeFile(bad, jpeg.left(jpeg.size() / 2));

    QImage target(5, 5, QImage::Format_RGB32);
    target.fill(Qt::yellow);
    QString error;
    QVERIFY(!LoadJpegInto(bad, target, QSize(), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(target.size(), QSize(5, 5));
    QVERIFY(!LoadJpegInto(dir.filePath("none.JPG"), target, QSize(), &error));
    QCOMPARE(target.size(), QSize(5, 5));
    QVERIFY(LoadJpegInto(good, target));
    QCOMPARE(target.size(), QSize(64, 32));
}

void DecodingTest::loadPhotoFiles()
{
    QTemporaryDir dir;
    const QImage picture = quadrants(30, 20);
    writeFile(dir.filePath("a.bmp"), encode(picture, "BMP"));
    writeFile(dir.filePath("bitmap named as JPEG.JPG"), encode(picture, "BMP"));
    writeFile(dir.filePath("jpeg named as bitmap.bmp"), encode(picture, "JPEG"));
    writeFile(dir.filePath("text.JPG"), "no picture at all");
    QDir(dir.path()).mkdir("folder.JPG");

    PhotoLoadResult r = loadPhoto(dir.filePath("a.bmp"));
    QCOMPARE(r.status, PhotoStatus::Ok);
    QCOMPARE(r.image.size(), QSize(30, 20));
    QCOMPARE(r.image.pixel(2, 2), qRgb(255, 0, 0)); // bitmaps are lossless
    QCOMPARE(r.image.pixel(29, 19), qRgb(255, 255, 255));

    QCOMPARE(loadPhoto(dir.filePath("bitmap named as JPEG.JPG")).status, PhotoStatus::Ok);
    QCOMPARE(loadPhoto(dir.filePath("jpeg named as bitmap.bmp")).status, PhotoStatus::Ok);
    QCOMPARE(loadPhoto(dir.filePath("text.JPG")).status, PhotoStatus::Damaged);
    QCOMPARE(loadPhoto(dir.filePath("folder.JPG")).status, PhotoStatus::Damaged);
    QCOMPARE(loadPhoto(dir.filePath("gone.JPG")).status, PhotoStatus::Missing);
    QCOMPARE(loadPhoto(QString()).status, PhotoStatus::Missing);

    // Scaled to the frame by the display rule.
    writeFile(dir.filePath("big.JPG"), encode(quadrants(800, 600), "JPEG"));
    r = loadPhotoForFrame(dir.filePath("big.JPG"), QSize(180, 125), FitMode::Stretch);
    QVERIFY(r.ok());
    QCOMPARE(r.image.size(), QSize(167, 125));
    QCOMPARE(r.fullSize, QSize(800, 600));
    r = loadPhotoForFrame(dir.filePath("a.bmp"), QSize(180, 125), FitMode::ShrinkOnly);
    QCOMPARE(r.image.size(), QSize(30, 20));
    r = loadPhotoForFrame(dir.filePath("a.bmp"), QSize(180, 125), FitMode::Stretch);
    QCOMPARE(r.image.size(), QSize(180, 120));
}

void DecodingTest::cancelledDecodeStops()
{
    const QByteArray jpeg = encode(noisy(640, 480), "JPEG");
    int polls = 0;
    JpegDecodeOptions options;
    options.cancelled = [&polls] { return ++polls >= 3; };
    const JpegDecodeResult r = decodeJpeg(jpeg, options);
    QCOMPARE(r.status, JpegDecodeResult::Status::Cancelled);
    QVERIFY(r.image.isNull());
    QCOMPARE(polls, 3);
    // And the next decode is unaffected.
    QVERIFY(decodeJpeg(jpeg).ok());
}


void DecodingTest::oversizedPicturesAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QImage small = quadrants(32, 32);
    QTest::newRow("baseline declaring 20000 x 20000")
        << declaringSize(encode(small, "jpeg"), 20000, 20000);
    QTest::newRow("progressive arithmetic declaring 20000 x 20000")
        << declaringSize(libjpegEncode(small, true, true), 20000, 20000);
    QTest::newRow("progressive arithmetic declaring 65500 x 65500")
        << declaringSize(libjpegEncode(small, true, true), 65500, 65500);
    QTest::newRow("arithmetic under the pixel limit, far too few bytes")
        << declaringSize(libjpegEncode(small, true, true), 14000, 14000);
    QTest::newRow("bitmap of 57 bytes declaring 2 x 13.7 M") << bitmapDeclaring(2, 13700000);
}

// A few hundred bytes that claim a giant picture are refused from the header, before anything
// is allocated or decoded for them; the slot then shows the photo-missing placeholder.
void DecodingTest::oversizedPicturesAreRefused()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath("riesig.JPG");
    writeFile(path, bytes);
    for (const QSize box : {QSize(), QSize(145, 97)}) {
        const PhotoLoadResult r = loadPhoto(path, box);
        QCOMPARE(r.status, PhotoStatus::Damaged);
        QCOMPARE(r.error, QStringLiteral("Das Bild ist zu groß."));
    }
}

void DecodingTest::smallArithmeticJpegStillDecodes()
{
    for (const bool progressive : {false, true}) {
        const JpegDecodeResult r = decodeJpeg(libjpegEncode(quadrants(64, 48), progressive, true));
        QVERIFY2(r.ok(), qPrintable(r.error));
        QCOMPARE(r.image.size(), QSize(64, 48));
        QVERIFY(near(r.image.pixel(16, 12), Qt::red));
    }
}

QTEST_MAIN(DecodingTest)
#include "test_decoding.moc"
