#pragma once

#include "photos/ThumbnailCache.h"

#include <QImage>
#include <QString>

namespace vindel {

// Thumbnails kept on disk the way the desktop keeps them (freedesktop.org's thumbnail cache,
// which file managers share): PNG files of at most 256 pixels in $XDG_CACHE_HOME/thumbnails/large,
// named by the MD5 of the photo's file URI, holding Thumb::URI and Thumb::MTime. A thumbnail counts
// only while the photo's modification time is the one it was made from, so a changed photo gets a
// new one. Safe to use from any thread.
class DiskThumbnails {
public:
    static constexpr int kSize = 256;

    // folder: the "thumbnails" folder (default: below the user's cache folder).
    explicit DiskThumbnails(QString folder = defaultFolder());
    static QString defaultFolder();
    QString folder() const { return m_folder; }

    // The thumbnail of the file as it is now; null when there is none (or an outdated one).
    // fullSize: the photo's upright size, when the thumbnail tells it.
    QImage find(const QString &path, const FileStamp &stamp, QSize *fullSize = nullptr) const;
    // Keeps a thumbnail (at most kSize either way) of the file as it was when stamped. Failing to
    // write it is no error: it is made again next time.
    void store(const QString &path, const FileStamp &stamp, const QImage &thumbnail, QSize fullSize) const;

    QString fileFor(const QString &path) const;

private:
    QString m_folder;
};

} // namespace vindel
