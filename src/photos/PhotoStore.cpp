#include "photos/PhotoStore.h"

#include "photos/JpegDecoder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vindel {

namespace {

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

bool refusedInFileName(char32_t c)
{
    switch (c) {
    case '/': case '\\': case ':': case '*': case '?': case '"': case '<': case '>': case '|':
        return true;
    default:
        return isControl(c);
    }
}

QString noError() { return QString(); }

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

} // namespace

QString PhotoNaming::fileNamePart(const QString &plantName)
{
    QString out;
    out.reserve(plantName.size());
    for (char32_t c : plantName.toUcs4()) {
        if (refusedInFileName(c))
            out += QLatin1Char('_');
        else
            out += QString::fromUcs4(&c, 1);
    }
    return out;
}

QString PhotoNaming::extension(PhotoFormat format)
{
    return format == PhotoFormat::Bitmap ? QStringLiteral(".bmp") : QStringLiteral(".JPG");
}

std::optional<PhotoFormat> PhotoNaming::formatOfChosenFile(const QString &fileName)
{
    if (fileName.endsWith(QLatin1String(".BMP")) || fileName.endsWith(QLatin1String(".bmp")))
        return PhotoFormat::Bitmap;
    if (fileName.endsWith(QLatin1String(".JPG")) || fileName.endsWith(QLatin1String(".jpg")))
        return PhotoFormat::Jpeg;
    return std::nullopt;
}

QString PhotoNaming::compose(const QString &prefix, const QString &plantName, const QString &suffix)
{
    // Long names are shortened in the plant-name part only, at a character boundary, so the
    // number words the album reads stay whole.
    QList<uint> part = fileNamePart(plantName).toUcs4();
    const int fixed = int(prefix.toUtf8().size() + suffix.toUtf8().size());
    auto bytes = [&part] {
        int n = 0;
        for (uint c : part)
            n += c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
        return n;
    };
    while (!part.isEmpty() && fixed + bytes() > kMaxFileNameBytes)
        part.removeLast();
    return prefix + QString::fromUcs4(reinterpret_cast<const char32_t *>(part.constData()), part.size()) + suffix;
}

QString PhotoNaming::plantPhoto(int plantId, int plantNr, int slot, const QString &plantName, PhotoFormat format)
{
    return compose(QStringLiteral("%1 Nr %2 Bild%3 ").arg(plantId).arg(plantNr).arg(slot), plantName,
                   extension(format));
}

QString PhotoNaming::literaturePhoto(int plantNr, const QString &plantName, const QString &sourceName)
{
    const QString suffix = QFileInfo(sourceName).suffix();
    return compose(QStringLiteral("%1 Bild7 ").arg(plantNr), plantName,
                   suffix.isEmpty() ? QString() : QLatin1Char('.') + fileNamePart(suffix));
}

QString PhotoNaming::diaryPhoto(int diaryId, int plantNr, const QString &plantName, PhotoFormat format)
{
    return compose(QStringLiteral("%1 Nr %2 Historie ").arg(diaryId).arg(plantNr), plantName, extension(format));
}

PhotoStore::PhotoStore(const QString &folder)
{
    if (!folder.isEmpty())
        m_folder = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

bool PhotoStore::isUsableName(const QString &storedName)
{
    if (storedName.isEmpty() || storedName == QLatin1String(".") || storedName == QLatin1String(".."))
        return false;
    if (storedName.toUtf8().size() > PhotoNaming::kMaxFileNameBytes)
        return false;
    for (char32_t c : storedName.toUcs4()) {
        if (c == '/' || c == '\\' || isControl(c))
            return false;
    }
    return true;
}

std::optional<QString> PhotoStore::resolve(const QString &storedName) const
{
    if (m_folder.isEmpty() || !isUsableName(storedName))
        return std::nullopt;
    const QString path = m_folder + storedName;
    // Belt and braces: the file must sit directly in the folder.
    if (QDir::cleanPath(QFileInfo(path).absolutePath()) != QDir::cleanPath(QFileInfo(m_folder).absoluteFilePath()))
        return std::nullopt;
    return path;
}

bool PhotoStore::contains(const QString &storedName) const
{
    const auto path = resolve(storedName);
    return path && QFileInfo(*path).isFile();
}

bool PhotoStore::ensureFolder(QString *error) const
{
    if (m_folder.isEmpty()) {
        setError(error, QStringLiteral("Es ist kein Fotoverzeichnis eingestellt."));
        return false;
    }
    if (QFileInfo(m_folder).isDir() || QDir().mkpath(m_folder))
        return true;
    setError(error, QStringLiteral("Das Verzeichnis %1 kann nicht angelegt werden.").arg(QDir::toNativeSeparators(m_folder)));
    return false;
}

bool PhotoStore::writeJpegData(const QByteArray &jpeg, const QString &storedName, QString *error) const
{
    const auto path = resolve(storedName);
    if (!path) {
        setError(error, QStringLiteral("Der Dateiname \"%1\" ist im Fotoverzeichnis nicht zulässig.").arg(storedName));
        return false;
    }
    if (!isJpegData(jpeg)) {
        setError(error, QStringLiteral("Die Datei ist kein JPEG-Bild."));
        return false;
    }
    QSaveFile out(*path);
    if (!out.open(QIODevice::WriteOnly) || out.write(jpeg) != jpeg.size() || !out.commit()) {
        setError(error, out.errorString());
        return false;
    }
    setError(error, noError());
    return true;
}

bool PhotoStore::copyJpeg(const QString &sourcePath, const QString &storedName, QString *error) const
{
    QFile in(sourcePath);
    if (!in.open(QIODevice::ReadOnly)) {
        setError(error, in.errorString());
        return false;
    }
    const QByteArray data = in.readAll();
    if (in.error() != QFileDevice::NoError) {
        setError(error, in.errorString());
        return false;
    }
    in.close();
    return writeJpegData(data, storedName, error);
}

bool PhotoStore::writeBitmap(const QImage &picture, const QString &storedName, QString *error) const
{
    const auto path = resolve(storedName);
    if (!path) {
        setError(error, QStringLiteral("Der Dateiname \"%1\" ist im Fotoverzeichnis nicht zulässig.").arg(storedName));
        return false;
    }
    if (picture.isNull()) {
        setError(error, QStringLiteral("Kein Bild geladen."));
        return false;
    }
    QSaveFile out(*path);
    if (!out.open(QIODevice::WriteOnly) || !picture.save(&out, "BMP") || !out.commit()) {
        setError(error, out.errorString());
        return false;
    }
    setError(error, noError());
    return true;
}

bool PhotoStore::remove(const QString &storedName) const
{
    const auto path = resolve(storedName);
    if (!path)
        return false;
    const QFileInfo info(*path);
    if (!info.isFile() && !info.isSymLink())
        return false;
    return QFile::remove(*path);
}

} // namespace vindel

namespace vindel {

bool PhotoStore::stillNamed(Database &db, const QString &storedName)
{
    QStringList clauses;
    QVariantList params;
    for (int slot = 1; slot <= 7; ++slot) {
        clauses << QStringLiteral("Bild%1 = ?").arg(slot);
        params << storedName;
    }
    if (!db.select(QStringLiteral("SELECT 1 FROM Pflanzen WHERE ") + clauses.join(QStringLiteral(" OR "))
                       + QStringLiteral(" LIMIT 1"),
                   params)
             .empty())
        return true;
    return !db.select(QStringLiteral("SELECT 1 FROM Historie WHERE Bild = ? LIMIT 1"), {storedName}).empty();
}

} // namespace vindel
