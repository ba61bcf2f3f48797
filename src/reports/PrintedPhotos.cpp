#include "reports/PrintedPhotos.h"

#include "photos/PhotoLoader.h"
#include "photos/PhotoStore.h"

#include <QFileInfo>

namespace vindel {

report::PictureRef printedPhoto(const QString &photoDir, const QString &storedName, Placeholder whenEmpty,
                                Placeholder whenMissing)
{
    if (storedName.trimmed().isEmpty())
        return {QString(), placeholderImage(whenEmpty)};
    const std::optional<QString> path = PhotoStore(photoDir).resolve(storedName);
    if (!path || !QFileInfo(*path).isFile())
        return {QString(), placeholderImage(whenMissing)};
    return {*path, placeholderImage(whenMissing)};
}

QImage PhotoPictureLoader::load(const QString &path, QSize pixels)
{
    const PhotoLoadResult loaded = loadPhoto(path, pixels);
    if (!loaded.ok())
        return {};
    if (loaded.image.size() == pixels)
        return loaded.image;
    return loaded.image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace vindel
