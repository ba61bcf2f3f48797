#include "data/Database.h"

#include "data/JetSql.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>
#include <sqlite3.h>

namespace vindel {

Database::Database() = default;

Database::~Database() { close(); }

namespace {

QString engineDetail(const QString &reason)
{
    return QStringLiteral("\n\nMeldung der Datenbank: ") + reason;
}

// The German sentence for a file that cannot serve as the catalogue, with what the user can do.
DatabaseError refusal(const QString &path, DatabaseError::Cause cause, const QString &detail = {})
{
    QString what;
    switch (cause) {
    case DatabaseError::Cause::ReadOnly:
        what = QStringLiteral("Die Datenbank »%1« kann nicht beschrieben werden.\n\nBitte geben Sie sich "
                              "Schreibrechte für die Datei und ihren Ordner, oder kopieren Sie die Datei an einen Ort, "
                              "an dem Sie schreiben dürfen.");
        break;
    case DatabaseError::Cause::Busy:
        what = QStringLiteral("Die Datenbank »%1« wird gerade von einem anderen Programm benutzt.\n\nBitte beenden "
                              "Sie das andere Programm und starten Sie dieses Programm dann neu.");
        break;
    default:
        what = QStringLiteral("Die Datei »%1« ist beschädigt oder keine Pflanzen-Datenbank dieses Programms.\n\n"
                              "Bitte legen Sie eine intakte \"Pflanzen.mdb\" ins Programmverzeichnis, zum Beispiel "
                              "aus Ihrer letzten Datensicherung. Die Datei wurde nicht verändert.");
        break;
    }
    return DatabaseError(what.arg(path) + (detail.isEmpty() ? QString() : engineDetail(detail)), cause);
}

DatabaseError::Cause causeOf(int code)
{
    switch (code & 0xff) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_IOERR:
        return DatabaseError::Cause::Damaged;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
        return DatabaseError::Cause::ReadOnly;
    case SQLITE_FULL:
        return DatabaseError::Cause::DiskFull;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return DatabaseError::Cause::Busy;
    default:
        return DatabaseError::Cause::Other;
    }
}

// An SQLite file starts with this; SQLite itself would take an empty file for a new database
// and write into it.
bool hasSqliteHeader(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.size() >= 512 && f.read(16) == QByteArray("SQLite format 3\0", 16);
}

} // namespace

void Database::openWithFlags(const QString &path, int flags, const QStringList &requiredTables)
{
    close();
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString why = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("kein Speicher");
        sqlite3_close(db);
        throw refusal(path, causeOf(rc) == DatabaseError::Cause::Other ? DatabaseError::Cause::Damaged : causeOf(rc),
                      why);
    }
    m_db = db;
    m_path = path;
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, 5000);
    // Everything that could refuse the file is read before anything is written to it.
    std::vector<SqlRow> tables;
    try {
        tables = select(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'"));
    } catch (const DatabaseError &e) {
        const int code = sqlite3_errcode(m_db);
        const QString reason = QString::fromUtf8(sqlite3_errmsg(m_db));
        close();
        const DatabaseError::Cause cause = causeOf(code);
        throw refusal(path, cause == DatabaseError::Cause::Other ? DatabaseError::Cause::Damaged : cause, reason);
    }
    QStringList missing;
    for (const QString &required : requiredTables) {
        const bool present = std::any_of(tables.begin(), tables.end(), [&](const SqlRow &r) {
            return r[0].toString().compare(required, Qt::CaseInsensitive) == 0;
        });
        if (!present)
            missing << required;
    }
    if (!missing.isEmpty()) {
        close();
        throw refusal(path, DatabaseError::Cause::Damaged,
                      QStringLiteral("Es fehlen die Tabellen %1.").arg(missing.join(QStringLiteral(", "))));
    }
    if (sqlite3_db_readonly(m_db, "main") == 1) {
        close();
        throw refusal(path, DatabaseError::Cause::ReadOnly);
    }
    try {
        exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        exec(QStringLiteral("PRAGMA foreign_keys=OFF"));
    } catch (const DatabaseError &e) {
        const int code = sqlite3_errcode(m_db);
        const QString reason = QString::fromUtf8(sqlite3_errmsg(m_db));
        close();
        throw refusal(path, causeOf(code), reason);
    }
}

// The connection belongs to the thread that opened it (the user interface), so SQLite need not
// lock around every call.
void Database::open(const QString &path, const QStringList &requiredTables)
{
    if (!QFileInfo::exists(path))
        throw DatabaseError(QStringLiteral("Die Datenbankdatei »%1« fehlt.").arg(path));
    if (!hasSqliteHeader(path))
        throw refusal(path, DatabaseError::Cause::Damaged);
    openWithFlags(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, requiredTables);
}

void Database::openForReading(const QString &path)
{
    close();
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString why = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("kein Speicher");
        sqlite3_close(db);
        throw refusal(path, causeOf(rc), why);
    }
    m_db = db;
    m_path = path;
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, 5000);
}

void Database::openOrCreate(const QString &path)
{
    openWithFlags(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX);
}

void Database::finalizeAll()
{
    for (sqlite3_stmt *s : std::as_const(m_statements))
        sqlite3_finalize(s);
    m_statements.clear();
}

void Database::close()
{
    if (!m_db)
        return;
    finalizeAll();
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_depth = 0;
    m_writers.clear();
}

void Database::fail(const QString &what)
{
    if (!m_db)
        throw DatabaseError(QStringLiteral("Die Datenbank ist nicht geöffnet.\n%1").arg(what));
    const QString why = QString::fromUtf8(sqlite3_errmsg(m_db));
    DatabaseError::Cause cause = causeOf(sqlite3_errcode(m_db));
    if (cause == DatabaseError::Cause::Other
        && (why.startsWith(QLatin1String("no such column")) || why.startsWith(QLatin1String("no such table"))))
        cause = DatabaseError::Cause::MissingObject;
    // The conditions a user can do something about are said in German first.
    QString plain;
    switch (cause) {
    case DatabaseError::Cause::Damaged:
        plain = QStringLiteral("Die Datenbank ist beschädigt; bitte spielen Sie Ihre letzte Datensicherung zurück. ");
        break;
    case DatabaseError::Cause::DiskFull:
        plain = QStringLiteral("Der Datenträger ist voll; bitte schaffen Sie Platz und versuchen Sie es erneut. ");
        break;
    case DatabaseError::Cause::ReadOnly:
        plain = QStringLiteral("Die Datenbank ist schreibgeschützt; bitte geben Sie sich Schreibrechte für die Datei. ");
        break;
    case DatabaseError::Cause::Busy:
        plain = QStringLiteral("Die Datenbank wird gerade von einem anderen Programm benutzt. ");
        break;
    default:
        break;
    }
    throw DatabaseError(QStringLiteral("%1Datenbankfehler: %2\n%3").arg(plain, why, what), cause);
}

sqlite3_stmt *Database::prepare(const QString &sql)
{
    if (!m_db)
        throw DatabaseError(QStringLiteral("Die Datenbank ist nicht geöffnet."));
    if (sqlite3_stmt *cached = m_statements.value(sql)) {
        sqlite3_reset(cached);
        sqlite3_clear_bindings(cached);
        return cached;
    }
    sqlite3_stmt *stmt = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v3(m_db, utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT, &stmt, nullptr)
        != SQLITE_OK)
        fail(sql);
    if (!stmt)
        throw DatabaseError(QStringLiteral("Leere SQL-Anweisung"));
    m_statements.insert(sql, stmt);
    return stmt;
}

void Database::bind(sqlite3_stmt *stmt, const QVariantList &params)
{
    for (int i = 0; i < params.size(); ++i) {
        const QVariant &v = params[i];
        const int idx = i + 1;
        int rc = SQLITE_OK;
        if (v.isNull()) {
            rc = sqlite3_bind_null(stmt, idx);
        } else {
            switch (v.typeId()) {
            case QMetaType::Bool:
                rc = sqlite3_bind_int(stmt, idx, v.toBool() ? 1 : 0);
                break;
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::LongLong:
            case QMetaType::ULongLong:
            case QMetaType::Long:
                rc = sqlite3_bind_int64(stmt, idx, v.toLongLong());
                break;
            case QMetaType::Double:
                rc = sqlite3_bind_double(stmt, idx, v.toDouble());
                break;
            case QMetaType::QByteArray: {
                const QByteArray b = v.toByteArray();
                rc = sqlite3_bind_blob(stmt, idx, b.constData(), int(b.size()), SQLITE_TRANSIENT);
                break;
            }
            default: {
                const QByteArray t = v.toString().toUtf8();
                rc = sqlite3_bind_text(stmt, idx, t.constData(), int(t.size()), SQLITE_TRANSIENT);
                break;
            }
            }
        }
        if (rc != SQLITE_OK)
            fail(QStringLiteral("Parameter %1").arg(idx));
    }
}

namespace {

QVariant columnValue(sqlite3_stmt *stmt, int i)
{
    switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(stmt, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt, i));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, i)),
                                          sqlite3_column_bytes(stmt, i)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char *>(sqlite3_column_blob(stmt, i)),
                                   sqlite3_column_bytes(stmt, i)));
    default:
        return QVariant();
    }
}

// One QString per distinct text of a column, found by its UTF-8 bytes before anything is decoded.
class TextPool {
public:
    QVariant get(const char *utf8, int size)
    {
        const std::string_view key(utf8, size_t(size));
        auto it = m_texts.find(key);
        if (it == m_texts.end())
            it = m_texts.emplace(std::string(key), QVariant(QString::fromUtf8(utf8, size))).first;
        return it->second;
    }

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_map<std::string, QVariant, Hash, std::equal_to<>> m_texts;
};

} // namespace

void Database::readRows(const QString &sql, bool keyed, const std::vector<bool> &sharedTexts,
                        std::vector<qint64> &keys, CellBlock &cells)
{
    sqlite3_stmt *stmt = prepare(sql);
    const int first = keyed ? 1 : 0;
    const int n = sqlite3_column_count(stmt);
    std::vector<TextPool> pools(static_cast<size_t>(n));
    std::vector<bool> shared(static_cast<size_t>(n), false);
    for (int i = first; i < n; ++i)
        shared[size_t(i)] = size_t(i - first) < sharedTexts.size() && sharedTexts[size_t(i - first)];
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        keys.push_back(keyed ? qint64(sqlite3_column_int64(stmt, 0)) : qint64(keys.size()) + 1);
        for (int i = first; i < n; ++i) {
            if (shared[size_t(i)] && sqlite3_column_type(stmt, i) == SQLITE_TEXT)
                cells.push_back(pools[size_t(i)].get(reinterpret_cast<const char *>(sqlite3_column_text(stmt, i)),
                                                     sqlite3_column_bytes(stmt, i)));
            else
                cells.push_back(columnValue(stmt, i));
        }
    }
    if (rc != SQLITE_DONE) {
        sqlite3_reset(stmt);
        fail(sql);
    }
    sqlite3_reset(stmt);
}

void Database::exec(const QString &sql, const QVariantList &params)
{
    sqlite3_stmt *stmt = prepare(sql);
    bind(stmt, params);
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) {
        sqlite3_reset(stmt);
        fail(sql);
    }
    sqlite3_reset(stmt);
}

std::vector<SqlRow> Database::select(const QString &sql, const QVariantList &params)
{
    sqlite3_stmt *stmt = prepare(sql);
    bind(stmt, params);
    const int n = sqlite3_column_count(stmt);
    std::vector<SqlRow> rows;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        SqlRow row;
        row.reserve(n);
        for (int i = 0; i < n; ++i)
            row.push_back(columnValue(stmt, i));
        rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) {
        sqlite3_reset(stmt);
        fail(sql);
    }
    sqlite3_reset(stmt);
    return rows;
}

std::vector<ColumnDef> Database::resultColumns(const QString &sql)
{
    sqlite3_stmt *stmt = prepare(sql);
    std::vector<ColumnDef> cols;
    for (int i = 0, n = sqlite3_column_count(stmt); i < n; ++i) {
        const char *decl = sqlite3_column_decltype(stmt, i);
        cols.push_back(Schema::columnFromDeclaration(QString::fromUtf8(sqlite3_column_name(stmt, i)),
                                                     decl ? QString::fromUtf8(decl) : QStringLiteral("TEXT"), false));
    }
    return cols;
}

qint64 Database::lastInsertId() const { return m_db ? sqlite3_last_insert_rowid(m_db) : 0; }

int Database::changes() const { return m_db ? sqlite3_changes(m_db) : 0; }

void Database::execute(const QString &jetSql)
{
    const JetSql::Translation t = JetSql::translate(jetSql);
    if (t.alterColumn) {
        alterColumnKind(t.alterColumn->table, t.alterColumn->column, t.alterColumn->kind, t.alterColumn->width);
        return;
    }
    // Schema statements change what cached statements refer to.
    if (!t.sql.startsWith(QLatin1String("SELECT"), Qt::CaseInsensitive)) {
        exec(t.sql);
        finalizeAll();
        return;
    }
    select(t.sql);
}

bool Database::hasTable(const QString &table)
{
    return !select(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name=? COLLATE NOCASE"),
                   {table})
                .empty();
}

std::vector<ColumnDef> Database::columns(const QString &table)
{
    // table_info cannot take a bound parameter in all versions; quote the name instead.
    const auto rows = select(QStringLiteral("PRAGMA table_info(%1)").arg(Schema::quoteIdentifier(table)));
    std::vector<ColumnDef> cols;
    for (const SqlRow &r : rows) // cid, name, type, notnull, dflt_value, pk
        cols.push_back(Schema::columnFromDeclaration(r[1].toString(), r[2].toString(), r[5].toInt() > 0));
    return cols;
}

void Database::alterColumnKind(const QString &table, const QString &column, ColumnKind kind, int width)
{
    std::vector<ColumnDef> cols = columns(table);
    if (cols.empty())
        throw DatabaseError(QStringLiteral("Die Tabelle »%1« gibt es nicht.").arg(table));
    auto it = std::find_if(cols.begin(), cols.end(),
                           [&](const ColumnDef &c) { return c.name.compare(column, Qt::CaseInsensitive) == 0; });
    if (it == cols.end())
        throw DatabaseError(QStringLiteral("Die Spalte »%1« gibt es in der Tabelle »%2« nicht.").arg(column, table));
    it->kind = kind;
    it->width = kind == ColumnKind::Text ? (width > 0 ? width : 255) : 0;

    const TableDef def{table, cols};
    const QString temp = table + QStringLiteral("__umbau");
    QStringList names;
    for (const ColumnDef &c : cols)
        names << Schema::quoteIdentifier(c.name);
    const QString list = names.join(QLatin1String(", "));

    const auto seq = hasTable(QStringLiteral("sqlite_sequence"))
                         ? select(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name=?"), {table})
                         : std::vector<SqlRow>{};
    Transaction tx(*this);
    TableDef rebuilt = def;
    rebuilt.name = temp;
    exec(Schema::createTableSql(rebuilt));
    exec(QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3")
             .arg(Schema::quoteIdentifier(temp), list, Schema::quoteIdentifier(table)));
    exec(QStringLiteral("DROP TABLE %1").arg(Schema::quoteIdentifier(table)));
    exec(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(Schema::quoteIdentifier(temp), Schema::quoteIdentifier(table)));
    if (!seq.empty())
        exec(QStringLiteral("UPDATE sqlite_sequence SET seq = max(seq, ?) WHERE name = ?"), {seq.front()[0], table});
    tx.commit();
    finalizeAll();
}

void Database::begin()
{
    if (m_depth == 0)
        exec(QStringLiteral("BEGIN IMMEDIATE"));
    else
        exec(QStringLiteral("SAVEPOINT nested%1").arg(m_depth));
    ++m_depth;
}

void Database::commit()
{
    if (m_depth == 0)
        throw DatabaseError(QStringLiteral("Es läuft keine Transaktion."));
    --m_depth;
    if (m_depth == 0) {
        exec(QStringLiteral("COMMIT"));
        m_writers.clear();
    } else {
        exec(QStringLiteral("RELEASE nested%1").arg(m_depth));
    }
}

void Database::rollback()
{
    if (m_depth == 0)
        throw DatabaseError(QStringLiteral("Es läuft keine Transaktion."));
    --m_depth;
    if (m_depth == 0)
        exec(QStringLiteral("ROLLBACK"));
    else {
        exec(QStringLiteral("ROLLBACK TO nested%1").arg(m_depth));
        exec(QStringLiteral("RELEASE nested%1").arg(m_depth));
    }
    // In-memory rows of the tables that wrote are stale now.
    const std::vector<RollbackListener *> writers = m_writers;
    if (m_depth == 0)
        m_writers.clear();
    for (RollbackListener *w : writers)
        w->rolledBack();
}

void Database::noteWriter(RollbackListener *listener)
{
    if (m_depth > 0 && std::find(m_writers.begin(), m_writers.end(), listener) == m_writers.end())
        m_writers.push_back(listener);
}

void Database::forgetWriter(RollbackListener *listener)
{
    m_writers.erase(std::remove(m_writers.begin(), m_writers.end(), listener), m_writers.end());
}

} // namespace vindel
