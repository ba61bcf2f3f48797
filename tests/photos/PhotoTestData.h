#pragma once

// Pictures and files made on the fly for the photo tests.

#include "../support/TestFiles.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QString>
#include <QtEndian>

namespace phototest {

inline QByteArray encode(const QImage &image, const char *format, int quality = 90)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format, quality))
        qFatal("cannot encode test picture as %s", format);
    return bytes;
}

// Four flat quadrants: red top-left, green top-right, blue bottom-left, white bottom-right.
inline QImage quadrants(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(0, 0, w / 2, h / 2, Qt::red);
    p.fillRect(w / 2, 0, w - w / 2, h / 2, Qt::green);
    p.fillRect(0, h / 2, w / 2, h - h / 2, Qt::blue);
    p.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, Qt::white);
    return image;
}

// Noise over gradients, so that the compressed data is as busy as a camera's.
inline QImage noisy(int w, int h, quint32 seed = 1)
{
    QImage image(w, h, QImage::Format_RGB32);
    QRandomGenerator rng(seed);
    for (int y = 0; y < h; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const quint32 n = rng.generate();
            const int r = (x * 255 / qMax(1, w - 1) + int(n & 63) - 32);
            const int g = (y * 255 / qMax(1, h - 1) + int((n >> 8) & 63) - 32);
            const int b = (((x + y) * 255 / qMax(1, w + h - 2)) + int((n >> 16) & 63) - 32);
            line[x] = qRgb(qBound(0, r, 255), qBound(0, g, 255), qBound(0, b, 255));
        }
    }
    return image;
}

// An APP1 EXIF segment holding only the orientation tag.
inline QByteArray exifSegment(int orientation, bool bigEndian = false)
{
    QByteArray tiff;
    auto u16 = [&](quint16 v) {
        char b[2];
        if (bigEndian) qToBigEndian(v, b); else qToLittleEndian(v, b);
        tiff.append(b, 2);
    };
    auto u32 = [&](quint32 v) {
        char b[4];
        if (bigEndian) qToBigEndian(v, b); else qToLittleEndian(v, b);
        tiff.append(b, 4);
    };
    tiff.append(bigEndian ? "MM" : "II", 2);
    u16(42);
    u32(8);      // first IFD right after the header
    u16(1);      // one entry
    u16(0x0112); // orientation
    u16(3);      // SHORT
    u32(1);
    u16(quint16(orientation));
    u16(0);
    u32(0);      // no next IFD
    QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xFF\xE1", 2);
    char len[2];
    qToBigEndian(quint16(payload.size() + 2), len);
    segment.append(len, 2);
    return segment + payload;
}

// The JPEG with an EXIF segment put right after its start marker.
inline QByteArray withExif(const QByteArray &jpeg, int orientation, bool bigEndian = false)
{
    return jpeg.left(2) + exifSegment(orientation, bigEndian) + jpeg.mid(2);
}

using vindel::test::readFile;
using vindel::test::writeFile;

// Colours after JPEG compression are close, not equal.
inline bool near(QRgb a, QColor b, int tolerance = 40)
{
    return qAbs(qRed(a) - b.red()) <= tolerance && qAbs(qGreen(a) - b.green()) <= tolerance
        && qAbs(qBlue(a) - b.blue()) <= tolerance;
}

} // namespace phototest
