#include "photos/DiskThumbnails.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

namespace vindel {

namespace {

QByteArray uriOf(const QString &path) { return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded(); }

QString mtimeOf(const FileStamp &stamp) { return QString::number(stamp.mtimeNs / 1000000000); }

} // namespace

DiskThumbnails::DiskThumbnails(QString folder) : m_folder(std::move(folder)) {}

QString DiskThumbnails::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/thumbnails");
}

QString DiskThumbnails::fileFor(const QString &path) const
{
    const QByteArray md5 = QCryptographicHash::hash(uriOf(path), QCryptographicHash::Md5).toHex();
    return m_folder + QStringLiteral("/large/") + QString::fromLatin1(md5) + QStringLiteral(".png");
}

QImage DiskThumbnails::find(const QString &path, const FileStamp &stamp, QSize *fullSize) const
{
    QImageReader reader(fileFor(path), "png");
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kSize || size.height() > kSize)
        return QImage();
    // The keys hold colons, which the reader's own text lookup does not take: read the picture.
    const QImage image = reader.read();
    if (image.isNull() || image.text(QStringLiteral("Thumb::URI")) != QString::fromLatin1(uriOf(path))
        || image.text(QStringLiteral("Thumb::MTime")) != mtimeOf(stamp))
        return QImage();
    if (fullSize)
        *fullSize = QSize(image.text(QStringLiteral("Thumb::Image::Width")).toInt(),
                          image.text(QStringLiteral("Thumb::Image::Height")).toInt());
    return image;
}

void DiskThumbnails::store(const QString &path, const FileStamp &stamp, const QImage &thumbnail, QSize fullSize) const
{
    if (thumbnail.isNull() || thumbnail.width() > kSize || thumbnail.height() > kSize)
        return;
    const QString target = fileFor(path);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QImage image = thumbnail;
    image.setText(QStringLiteral("Thumb::URI"), QString::fromLatin1(uriOf(path)));
    image.setText(QStringLiteral("Thumb::MTime"), mtimeOf(stamp));
    image.setText(QStringLiteral("Thumb::Size"), QString::number(stamp.size));
    image.setText(QStringLiteral("Thumb::Image::Width"), QString::number(fullSize.width()));
    image.setText(QStringLiteral("Thumb::Image::Height"), QString::number(fullSize.height()));
    image.setText(QStringLiteral("Software"), QStringLiteral("VindelV40"));
    // Written whole or not at all, readable by the user only, as the convention asks.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return;
    QImageWriter writer(&file, "png");
    writer.setQuality(90); // light compression: quick to write, and the files are small anyway
    if (writer.write(image) && file.commit())
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

} // namespace vindel
