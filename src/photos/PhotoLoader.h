#pragma once

#include "photos/PhotoDisplay.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

namespace vindel {

enum class PhotoStatus {
    Ok,       // image holds the picture
    Missing,  // no such file
    Damaged,  // the file exists but cannot be read as a picture
};

struct PhotoLoadResult {
    QImage image;                          // upright; null unless status is Ok
    PhotoStatus status = PhotoStatus::Missing;
    QSize fullSize;                        // upright full-resolution size, when known
    QString error;                         // why a Damaged file could not be read
    bool cancelled = false;                // abandoned on request; status is then Damaged
    bool ok() const { return status == PhotoStatus::Ok; }
};

using CancelCheck = std::function<bool()>;

// Reads an image file: JPEG (recognised by its content) through libjpeg, with EXIF orientation
// applied; anything else QImageReader understands (BMP above all) through Qt. With a bounding box,
// JPEGs decode at a reduced DCT scale that still covers the box; the image is not scaled further.
// Without one the picture comes at full size (viewer, printing).
PhotoLoadResult loadPhoto(const QString &path, QSize boundingBox = QSize(), const CancelCheck &cancelled = {});
PhotoLoadResult loadPhotoData(const QByteArray &data, QSize boundingBox = QSize(), const CancelCheck &cancelled = {});

// As loadPhoto, then scaled (smoothly) to exactly the size the display rule gives for the frame.
PhotoLoadResult loadPhotoForFrame(const QString &path, QSize frame, FitMode mode, const CancelCheck &cancelled = {});

} // namespace vindel
