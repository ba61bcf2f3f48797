#pragma once

#include "data/DatabaseError.h"
#include "data/Schema.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace vindel {

using SqlRow = std::vector<QVariant>;
// The values of many rows, row after row, in one block.
using CellBlock = std::vector<QVariant>;

// Told when a transaction it wrote in was rolled back, so that its in-memory rows can be re-read.
class RollbackListener {
public:
    virtual ~RollbackListener() = default;
    virtual void rolledBack() = 0;
};

// One connection to the database file. Native SQLite statements run through exec()/select();
// the few Jet statements the program issues run through execute(), which translates them.
class Database {
public:
    Database();
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Opens an existing file (shared, WAL journal). Throws DatabaseError, with a German sentence
    // saying what to do, when it cannot: a file that is empty, no SQLite database, damaged, lacks
    // one of requiredTables or cannot be written is refused before anything is written to it.
    void open(const QString &path, const QStringList &requiredTables = {});
    // Creates the file when missing; used by createDatabase() and the importer.
    void openOrCreate(const QString &path);
    // A second connection, for reading only, to a file another connection has opened (a table
    // read in the background); no checks, nothing written.
    void openForReading(const QString &path);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    QString path() const { return m_path; }

    // Runs a Jet-SQL statement as the program writes it (TOP n, String, Counter, memo,
    // ALTER COLUMN, "..." literals). A SELECT is prepared and stepped once; its rows are ignored.
    void execute(const QString &jetSql);

    // Native SQLite statements, prepared once and cached.
    void exec(const QString &sql, const QVariantList &params = {});
    std::vector<SqlRow> select(const QString &sql, const QVariantList &params = {});
    // Reads every result row into one block of values. With keyed, the first column is an integer
    // key that goes to keys instead (SELECT rowid, ...); otherwise keys counts the rows from 1.
    // Texts of the columns marked in sharedTexts (counted without the key) that repeat come as one
    // shared string: less memory, faster loading.
    void readRows(const QString &sql, bool keyed, const std::vector<bool> &sharedTexts, std::vector<qint64> &keys,
                  CellBlock &cells);
    // The columns a SELECT yields, with the kinds their source columns were declared with.
    std::vector<ColumnDef> resultColumns(const QString &sql);
    qint64 lastInsertId() const;
    int changes() const;

    bool hasTable(const QString &table);
    // The columns of a table as stored, in stored order.
    std::vector<ColumnDef> columns(const QString &table);
    // Changes the declared kind of a column by rebuilding the table in a transaction; rows are kept.
    void alterColumnKind(const QString &table, const QString &column, ColumnKind kind, int width = 0);

    // Transactions nest (savepoints). Prefer the Transaction guard below.
    void begin();
    void commit();
    void rollback();
    bool inTransaction() const { return m_depth > 0; }
    // A table object that posts inside a transaction registers here to hear of a rollback.
    void noteWriter(RollbackListener *listener);
    void forgetWriter(RollbackListener *listener);

    sqlite3 *handle() const { return m_db; }

private:
    sqlite3_stmt *prepare(const QString &sql);
    void bind(sqlite3_stmt *stmt, const QVariantList &params);
    [[noreturn]] void fail(const QString &what);
    void openWithFlags(const QString &path, int flags, const QStringList &requiredTables = {});
    void finalizeAll();

    sqlite3 *m_db = nullptr;
    QString m_path;
    QHash<QString, sqlite3_stmt *> m_statements;
    int m_depth = 0;
    std::vector<RollbackListener *> m_writers;
};

// Makes a multi-row change atomic: rolls back unless commit() was called.
class Transaction {
public:
    explicit Transaction(Database &db) : m_db(db) { m_db.begin(); }
    ~Transaction()
    {
        if (!m_done) {
            try {
                m_db.rollback();
            } catch (...) {
            }
        }
    }
    void commit()
    {
        m_db.commit();
        m_done = true;
    }
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

private:
    Database &m_db;
    bool m_done = false;
};

} // namespace vindel
