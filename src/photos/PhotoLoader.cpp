#include "photos/PhotoLoader.h"

#include "photos/JpegDecoder.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace vindel {

namespace {

constexpr qint64 kMaxFileBytes = 512ll * 1024 * 1024;
// As for JPEG: more pixels than any camera gives, or more than the file's bytes can describe
// (a run-length bitmap packs at most 255 pixels into two bytes), is no photo.
constexpr qint64 kMaxDeclaredPixels = 200ll * 1000 * 1000;
constexpr qint64 kMaxPixelsPerByte = 128;

PhotoLoadResult damaged(const QString &why)
{
    PhotoLoadResult r;
    r.status = PhotoStatus::Damaged;
    r.error = why;
    return r;
}

QImage displayFormat(QImage image)
{
    const QImage::Format f = image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    if (image.format() != f)
        image.convertTo(f);
    return image;
}

} // namespace

PhotoLoadResult loadPhotoData(const QByteArray &data, QSize boundingBox, const CancelCheck &cancelled)
{
    if (isJpegData(data)) {
        JpegDecodeOptions options;
        options.boundingBox = boundingBox;
        options.cancelled = cancelled;
        JpegDecodeResult j = decodeJpeg(data, options);
        PhotoLoadResult r;
        r.fullSize = j.fullSize;
        if (j.ok()) {
            r.status = PhotoStatus::Ok;
            r.image = std::move(j.image);
        } else {
            r.status = PhotoStatus::Damaged;
            r.error = j.error;
            r.cancelled = j.status == JpegDecodeResult::Status::Cancelled;
        }
        return r;
    }

    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QSize declared = reader.size();
    if (declared.isValid()) {
        const qint64 pixels = qint64(declared.width()) * declared.height();
        const bool bitmap = reader.format() == "bmp";
        if (pixels > kMaxDeclaredPixels || (bitmap && pixels > qint64(data.size()) * kMaxPixelsPerByte))
            return damaged(QStringLiteral("Das Bild ist zu groß."));
    }
    QImage image = reader.read();
    if (image.isNull())
        return damaged(reader.errorString());
    PhotoLoadResult r;
    r.status = PhotoStatus::Ok;
    r.image = displayFormat(std::move(image));
    r.fullSize = r.image.size();
    return r;
}

PhotoLoadResult loadPhoto(const QString &path, QSize boundingBox, const CancelCheck &cancelled)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return PhotoLoadResult{};
    if (!info.isFile())
        return damaged(QStringLiteral("Keine Bilddatei."));
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return damaged(f.errorString());
    if (f.size() > kMaxFileBytes)
        return damaged(QStringLiteral("Die Datei ist zu groß."));
    const QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return damaged(f.errorString());
    return loadPhotoData(data, boundingBox, cancelled);
}

PhotoLoadResult loadPhotoForFrame(const QString &path, QSize frame, FitMode mode, const CancelCheck &cancelled)
{
    PhotoLoadResult r = loadPhoto(path, frame, cancelled);
    if (!r.ok())
        return r;
    const QSize target = displaySize(r.fullSize.isValid() ? r.fullSize : r.image.size(), frame, mode);
    if (!target.isEmpty() && target != r.image.size())
        r.image = r.image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return r;
}

} // namespace vindel
