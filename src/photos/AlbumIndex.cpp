#include "photos/AlbumIndex.h"

#include "app/CountFiles.h"
#include "app/Progress.h"
#include "data/DataTables.h"
#include "data/ShortDate.h"

#include <QDir>
#include <QFileInfo>

namespace vindel::AlbumIndex {

namespace {

// As the database converts a text to a number: blanks around it are fine, anything else is not.
std::optional<int> number(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

// The text before the first blank, as a number; 0 when it is none.
int leadingNumber(const QString &name) { return number(name.section(QLatin1Char(' '), 0, 0)).value_or(0); }

// The text from `from` to `last` (both inclusive); empty when last lies before from.
QString span(const QString &name, qsizetype from, qsizetype last)
{
    return last < from ? QString() : name.mid(from, last - from + 1);
}

} // namespace

std::optional<int> plantNumber(const QString &name)
{
    std::optional<int> nr;
    const qsizetype n = name.indexOf(QLatin1String("Nr"));
    const qsizetype h = name.indexOf(QLatin1String("Historie"));
    const qsizetype b = name.indexOf(QLatin1String("Bild"));
    if (h >= 0 && n >= 0)
        nr = number(span(name, n + 3, h - 2)); // between "Nr " and " Historie"
    if (h >= 0 && n < 0)
        nr = leadingNumber(name);
    if (b >= 0 && n >= 0)
        nr = number(span(name, n + 2, b - 2)).value_or(0); // " 7" between "Nr" and " Bild"
    if (b >= 0 && n < 0)
        nr = leadingNumber(name);
    return nr;
}

QString fileDate(const QString &path)
{
    const QDateTime changed = QFileInfo(path).lastModified();
    return ShortDate::formatDateTime(ShortDate::wallClock(changed.date(), changed.time())).left(10);
}

int rebuild(DataTables &t, const QString &folder, Progress &progress)
{
    const int files = CountFiles(folder, QStringLiteral("*.*"));
    progress.setMaximum(files + 30);
    progress.setValue(10);

    Table &photos = t.Tab_ListeallerFotos;
    photos.close();
    int rows = 0;
    {
        Transaction transaction(t.db);
        t.db.exec(QStringLiteral("DELETE FROM ListeallerFotos"));
        progress.advance(10);
        const QDir dir(folder);
        const QFileInfoList entries = folder.isEmpty() ? QFileInfoList()
                                                       : dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                                               | QDir::NoDotAndDotDot,
                                                                           QDir::Unsorted);
        for (const QFileInfo &entry : entries) {
            const QString name = entry.fileName();
            if (name.size() > 3) {
                const std::optional<int> nr = plantNumber(name);
                const QDateTime changed = entry.lastModified();
                const QString date =
                    ShortDate::formatDateTime(ShortDate::wallClock(changed.date(), changed.time())).left(10);
                t.db.exec(QStringLiteral("INSERT INTO ListeallerFotos (Fotoname, Fotodatum, Nr) VALUES (?, ?, ?)"),
                          {name, date, nr ? QVariant(qint64(*nr)) : QVariant()});
                ++rows;
            }
            progress.advance();
        }
        transaction.commit();
    }
    photos.open();
    return rows;
}

} // namespace vindel::AlbumIndex
