#pragma once

#include "data/Database.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

namespace vindel {

enum class PhotoFormat { Bitmap, Jpeg };

// The names photo files get in the photo folder. Every name starts with a number and a blank and
// holds "Bild" or "Historie", which the album reads the plant number back from.
class PhotoNaming {
public:
    // The plant name as it can stand in a file name: path separators, control characters and the
    // characters that other systems' file names refuse (: * ? " < > |) become "_". The plant name
    // itself stays as typed; only the file name carries the replacement.
    static QString fileNamePart(const QString &plantName);

    // ".bmp" or ".JPG".
    static QString extension(PhotoFormat format);

    // The format of a file the user chose to load: only ".BMP", ".bmp", ".JPG" and ".jpg" count
    // (exactly these spellings).
    static std::optional<PhotoFormat> formatOfChosenFile(const QString &fileName);

    // Slot 1 to 7: ID + " Nr " + Nr + " Bild" + slot + " " + name + extension.
    static QString plantPhoto(int plantId, int plantNr, int slot, const QString &plantName, PhotoFormat format);
    // Literature photo of a duplicated plant: Nr + " Bild7 " + name + the source file's extension.
    static QString literaturePhoto(int plantNr, const QString &plantName, const QString &sourceName);
    // Diary photo: entry ID + " Nr " + Nr + " Historie " + name + extension.
    static QString diaryPhoto(int diaryId, int plantNr, const QString &plantName, PhotoFormat format);

    // File names longer than this (in UTF-8 bytes) cannot be created on Linux file systems.
    static constexpr int kMaxFileNameBytes = 255;

private:
    static QString compose(const QString &prefix, const QString &plantName, const QString &suffix);
};

// The photo folder. Stored names are relative to it; a name that is not a plain file name in it
// (empty, ".", "..", holding a path separator or a control character) is "not usable": it is never
// read, written or deleted.
class PhotoStore {
public:
    PhotoStore() = default;
    explicit PhotoStore(const QString &folder);

    // With a trailing "/"; empty when no folder is set.
    QString folder() const { return m_folder; }

    static bool isUsableName(const QString &storedName);
    // The full path of a stored name, or nothing when the name is not usable.
    std::optional<QString> resolve(const QString &storedName) const;
    // The stored name is usable and names an existing plain file.
    bool contains(const QString &storedName) const;

    bool ensureFolder(QString *error = nullptr) const;

    // Writes into the folder through a temporary file, so a failed write leaves an older file of
    // the same name intact. A JPEG is stored byte for byte, never re-encoded.
    bool copyJpeg(const QString &sourcePath, const QString &storedName, QString *error = nullptr) const;
    bool writeJpegData(const QByteArray &jpeg, const QString &storedName, QString *error = nullptr) const;
    bool writeBitmap(const QImage &picture, const QString &storedName, QString *error = nullptr) const;

    // Deletes the file of a stored name; false when the name is not usable or the file stays.
    bool remove(const QString &storedName) const;

    // A plant's photo column or a diary entry still names the file: it must stay.
    static bool stillNamed(Database &db, const QString &storedName);

private:
    QString m_folder;
};

} // namespace vindel
