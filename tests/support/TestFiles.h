#pragma once

// Files the tests write, read and list, and a small JPEG to write.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>

namespace vindel::test {

// A 40 x 30 JPEG in the colour, with a white top-left quarter.
inline QByteArray jpegBytes(QColor colour)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(colour);
    QPainter(&image).fillRect(0, 0, 20, 15, Qt::white);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPG", 80))
        qFatal("no JPEG writer");
    return bytes;
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The file's bytes; empty when it cannot be read.
inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The names of the files in the folder, sorted.
inline QStringList filesIn(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files);
    names.sort();
    return names;
}

} // namespace vindel::test
