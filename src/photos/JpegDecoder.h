#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

namespace vindel {

// Everything that talks to libjpeg lives in JpegDecoder.cpp.

struct JpegDecodeOptions {
    // The largest size the picture will be shown at, in upright pixels. When it is smaller than the
    // picture, decoding runs at the coarsest DCT scale (1/2, 1/4, 1/8) that still covers it.
    // Empty: full size.
    QSize boundingBox;
    // Polled while decoding; returning true abandons the work.
    std::function<bool()> cancelled;
    bool applyOrientation = true;
};

struct JpegDecodeResult {
    enum class Status { Ok, Damaged, Cancelled };
    Status status = Status::Damaged;
    QImage image;          // upright (unless applyOrientation was off), at the chosen scale
    QSize fullSize;        // upright size at full resolution; known once the header was read
    int orientation = 1;   // EXIF orientation found in the file
    int scaleDenominator = 1;
    int warnings = 0;      // harmless libjpeg warnings that were tolerated
    QString error;         // libjpeg's message when the file is damaged
    bool ok() const { return status == Status::Ok; }
};

// True when the bytes begin like a JPEG file (SOI followed by a marker).
bool isJpegData(const QByteArray &head);

// The largest of 8, 4, 2 whose reduced picture (rounded up, as libjpeg does) is still at least
// `needed` in both directions; 1 when none is, or when `needed` is empty.
int chooseScaleDenominator(QSize picture, QSize needed);

JpegDecodeResult decodeJpeg(const QByteArray &data, const JpegDecodeOptions &options = {});
JpegDecodeResult decodeJpegFile(const QString &path, const JpegDecodeOptions &options = {});

// Decodes the JPEG file into target (RGB32, upright). On failure target is left alone and the
// reason goes to *error.
bool LoadJpegInto(const QString &path, QImage &target, QSize boundingBox = QSize(), QString *error = nullptr);

} // namespace vindel
