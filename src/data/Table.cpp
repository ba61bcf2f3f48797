// The table objects and the SQL command objects: loading rows from SQLite and writing them back.
#include "data/Dataset.h"

#include "data/JetSql.h"

#include <algorithm>
#include <future>

namespace vindel {

// --- Table ----------------------------------------------------------------------------------

Table::Table(Database &db, QString tableName, const TableDef *fixedColumns, QObject *parent)
    : Dataset(db, std::move(tableName), parent), m_fixed(fixedColumns)
{
}

Table::~Table() { database().forgetWriter(this); }

Table::LoadPlan Table::planLoad()
{
    Database &db = database();
    const std::vector<ColumnDef> stored = db.columns(name());
    if (stored.empty())
        throw DatabaseError(QStringLiteral("Die Tabelle »%1« gibt es in der Datenbank nicht.").arg(name()));
    std::vector<ColumnDef> cols;
    if (m_fixed) {
        for (const ColumnDef &want : m_fixed->columns) {
            const auto it = std::find_if(stored.begin(), stored.end(), [&](const ColumnDef &c) {
                return c.name.compare(want.name, Qt::CaseInsensitive) == 0;
            });
            if (it == stored.end())
                throw DatabaseError(
                    QStringLiteral("Das Feld »%1« fehlt in der Tabelle »%2«.").arg(want.name, name()));
            if (want.kind == ColumnKind::Memo && it->kind != ColumnKind::Memo)
                throw DatabaseError(QStringLiteral("Das Feld »%1« der Tabelle »%2« ist kein Memofeld.")
                                        .arg(want.name, name()));
            ColumnDef c = *it;
            c.name = want.name;
            cols.push_back(c);
        }
    } else {
        cols = stored;
    }
    LoadPlan plan;
    QStringList names;
    for (const ColumnDef &c : cols)
        names << Schema::quoteIdentifier(c.name);
    // Short texts repeat a lot (category, genus, "Ja"/"Nein", locations, diary dates): one copy
    // of each value saves memory and keeps a filter over them in the cache.
    plan.sharedTexts.assign(cols.size(), false);
    for (size_t i = 0; i < cols.size(); ++i)
        plan.sharedTexts[i] = (cols[i].kind == ColumnKind::Text && cols[i].width <= 50) || cols[i].kind == ColumnKind::DateTime;
    plan.sql = QStringLiteral("SELECT rowid, %1 FROM %2").arg(names.join(QLatin1String(", ")), Schema::quoteIdentifier(name()));
    plan.count =
        db.select(QStringLiteral("SELECT count(*) FROM %1").arg(Schema::quoteIdentifier(name()))).at(0).at(0).toLongLong();
    setColumns(std::move(cols));
    return plan;
}

Dataset::LoadedRows Table::read(Database &db, const LoadPlan &plan, size_t width)
{
    LoadedRows result;
    result.rowIds.reserve(size_t(plan.count));
    result.cells.reserve(size_t(plan.count) * width);
    db.readRows(plan.sql, true, plan.sharedTexts, result.rowIds, result.cells);
    return result;
}

Dataset::LoadedRows Table::loadRows()
{
    const LoadPlan plan = planLoad();
    return read(database(), plan, m_columns.size());
}

std::future<Dataset::BackgroundRows> Table::loadRowsInBackground(const QString &indexColumn)
{
    LoadPlan plan = planLoad();
    const QString path = database().path();
    const int column = columnIndex(indexColumn);
    const size_t width = m_columns.size();
    return std::async(std::launch::async, [plan = std::move(plan), path, column, width] {
        Database own;
        own.openForReading(path);
        BackgroundRows result;
        result.rows = read(own, plan, width);
        if (column >= 0) {
            StoredRows store;
            store.width = width;
            store.rows.resize(result.rows.rowIds.size());
            std::swap(store.cells, result.rows.cells);
            result.index = RowView::makeIndex(store, column);
            result.indexColumn = column;
            std::swap(store.cells, result.rows.cells);
        }
        return result;
    });
}

void Table::noteWrite() { database().noteWriter(this); }

void Table::rolledBack()
{
    if (active())
        reloadKeepingRow();
}

QString Table::statementFor(bool update, const std::vector<bool> &dirty)
{
    // One statement text per set of written columns, built once: bulk appends reuse it.
    QByteArray key(qsizetype(dirty.size()) + 1, '0');
    key[0] = update ? 'u' : 'i';
    for (size_t i = 0; i < dirty.size(); ++i)
        if (dirty[i])
            key[qsizetype(i) + 1] = '1';
    auto it = m_statementByColumns.constFind(key);
    if (it != m_statementByColumns.cend())
        return *it;
    QStringList names;
    for (size_t i = 0; i < m_columns.size(); ++i)
        if (dirty[i])
            names << Schema::quoteIdentifier(m_columns[i].name);
    const QString table = Schema::quoteIdentifier(name());
    QString sql;
    if (update) {
        sql = QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?").arg(table, names.join(QLatin1String(" = ?, ")));
    } else if (names.isEmpty()) {
        sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table);
    } else {
        sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(table, names.join(QLatin1String(", ")),
                       QStringList(names.size(), QStringLiteral("?")).join(QLatin1String(", ")));
    }
    m_statementByColumns.insert(key, sql);
    return sql;
}

qint64 Table::writeRow(const StoredRow *existing, SqlRow &values, const std::vector<bool> &dirty)
{
    Database &db = database();
    QVariantList params;
    params.reserve(qsizetype(values.size()) + 1);
    for (size_t i = 0; i < m_columns.size(); ++i)
        if (dirty[i])
            params << values[i];
    if (existing) {
        params << existing->rowId;
        db.exec(statementFor(true, dirty), params);
        noteWrite();
        return existing->rowId;
    }
    db.exec(statementFor(false, dirty), params);
    noteWrite();
    const qint64 rowId = db.lastInsertId();
    for (size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].kind == ColumnKind::AutoNumber)
            values[i] = rowId;
    return rowId;
}

void Table::deleteRow(const StoredRow &row)
{
    database().exec(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(Schema::quoteIdentifier(name())),
                    {row.rowId});
    noteWrite();
}

// --- Query ----------------------------------------------------------------------------------

Query::Query(Database &db, QString name, QObject *parent) : Dataset(db, std::move(name), parent) {}

void Query::execSQL() { database().execute(sql.join(QLatin1Char('\n'))); }

Dataset::LoadedRows Query::loadRows()
{
    const QString select = JetSql::translateSelect(sql.join(QLatin1Char('\n')));
    setColumns(database().resultColumns(select));
    LoadedRows result;
    database().readRows(select, false, {}, result.rowIds, result.cells);
    return result;
}

qint64 Query::writeRow(const StoredRow *, SqlRow &, const std::vector<bool> &)
{
    throw DatabaseError(QStringLiteral("Das Ergebnis einer Abfrage kann nicht geändert werden."));
}

void Query::deleteRow(const StoredRow &)
{
    throw DatabaseError(QStringLiteral("Das Ergebnis einer Abfrage kann nicht geändert werden."));
}

} // namespace vindel
