#include "import/ImportWriter.h"

#include "import/ImportError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace vindel {

namespace {

QString insertSql(const TableDef &def)
{
    QStringList names, marks;
    for (const ColumnDef &c : def.columns) {
        names << Schema::quoteIdentifier(c.name);
        marks << QStringLiteral("?");
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(Schema::quoteIdentifier(def.name), names.join(QLatin1String(", ")), marks.join(QLatin1String(", ")));
}

bool hasAutoNumber(const TableDef &def)
{
    for (const ColumnDef &c : def.columns)
        if (c.kind == ColumnKind::AutoNumber)
            return true;
    return false;
}

void removeWithCompanions(const QString &path)
{
    for (const char *suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(path + QLatin1String(suffix));
}

void syncDirectory(const QString &dir)
{
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

void requireCatalogueTables(const std::vector<ImportTable> &tables)
{
    QStringList missing;
    for (const QString &name : Schema::requiredTableNames()) {
        const bool present = std::any_of(tables.begin(), tables.end(), [&](const ImportTable &t) {
            return t.def.name.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (!present)
            missing << name;
    }
    if (!missing.isEmpty())
        throw NotACatalogue(QStringLiteral("Es fehlen die Tabellen %1.").arg(missing.join(QStringLiteral(", "))));
}

ImportSummary writeTables(ImportSource &source, Database &db, const ImportProgress &rowsDone)
{
    ImportSummary summary;
    Transaction tx(db);
    const std::vector<ImportTable> tables = source.tables();
    for (const ImportTable &table : tables) {
        const TableDef &def = table.def;
        if (def.columns.empty())
            throw ImportError(QStringLiteral("Die Tabelle \"%1\" hat keine Spalten.").arg(def.name));
        db.exec(Schema::createTableSql(def));
        const QString insert = insertSql(def);
        const size_t width = def.columns.size();
        QVariantList params;
        params.reserve(qsizetype(width));
        source.readRows(table, [&](const SqlRow &row) {
            if (row.size() != width)
                throw ImportError(QStringLiteral("Tabelle \"%1\": ein Datensatz hat %2 statt %3 Werte.")
                                      .arg(def.name)
                                      .arg(row.size())
                                      .arg(width));
            params.clear();
            for (const QVariant &v : row)
                params.append(v);
            db.exec(insert, params);
            ++summary.rows;
            if (rowsDone && summary.rows % 500 == 0)
                rowsDone(summary.rows);
        });
        if (rowsDone)
            rowsDone(summary.rows);
        // SQLite continues after the highest stored number; where the file had already given out
        // higher numbers (rows deleted at the end), it continues after those, as Access would.
        if (hasAutoNumber(def) && table.autoNumberLast > 0) {
            db.exec(QStringLiteral("UPDATE sqlite_sequence SET seq = ? WHERE name = ? AND seq < ?"),
                    {table.autoNumberLast, def.name, table.autoNumberLast});
            if (db.select(QStringLiteral("SELECT 1 FROM sqlite_sequence WHERE name = ?"), {def.name}).empty())
                db.exec(QStringLiteral("INSERT INTO sqlite_sequence (name, seq) VALUES (?, ?)"),
                        {def.name, table.autoNumberLast});
        }
        ++summary.tables;
    }
    tx.commit();
    return summary;
}

ImportSummary writeDatabase(ImportSource &source, const QString &targetPath, const ImportProgress &rowsDone)
{
    const QFileInfo target(targetPath);
    const QString dir = target.absolutePath();
    QString tempPath;
    {
        QTemporaryFile temp(target.absoluteFilePath() + QStringLiteral(".XXXXXX"));
        temp.setAutoRemove(false);
        if (!temp.open())
            throw ImportError(QStringLiteral("Im Ordner \"%1\" kann keine neue Datei angelegt werden: %2")
                                  .arg(QDir::toNativeSeparators(dir), temp.errorString()));
        tempPath = temp.fileName();
    }
    try {
        ImportSummary summary;
        {
            Database db;
            db.openOrCreate(tempPath);
            summary = writeTables(source, db, rowsDone);
            db.close(); // checkpoints the journal into the file
        }
        if (::rename(QFile::encodeName(tempPath).constData(), QFile::encodeName(target.absoluteFilePath()).constData())
            != 0)
            throw ImportError(QStringLiteral("Die neue Datenbank kann nicht unter \"%1\" abgelegt werden.")
                                  .arg(QDir::toNativeSeparators(target.absoluteFilePath())));
        removeWithCompanions(tempPath);
        syncDirectory(dir);
        return summary;
    } catch (...) {
        removeWithCompanions(tempPath);
        throw;
    }
}

} // namespace vindel
