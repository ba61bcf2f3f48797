#pragma once

#include "data/Database.h"
#include "data/RowFilter.h"
#include "data/RowView.h"
#include "data/Schema.h"
#include "data/StoredRows.h"

#include <QDateTime>
#include <QObject>
#include <future>
#include <QVariant>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace vindel {

enum class LocateOption { None = 0, CaseInsensitive = 1, PartialKey = 2 };
inline LocateOption operator|(LocateOption a, LocateOption b)
{
    return LocateOption(int(a) | int(b));
}
inline bool hasOption(LocateOption set, LocateOption o) { return (int(set) & int(o)) != 0; }

// A cursor over a whole result set held in memory, as the program's table objects behave:
// filter, two ways of sorting, Locate, Edit/Append/Post/Cancel/Delete with the pending-edit rule
// (moving the cursor posts a pending edit), and the after-scroll notification behind the
// scroll guard (tag).
//
// Values are stored as read from SQLite: QString for text, qint64 for integers and yes/no,
// QString "yyyy-MM-dd hh:mm:ss" for dates, a null QVariant for NULL.
class Dataset : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };

    explicit Dataset(Database &db, QString name, QObject *parent = nullptr);
    ~Dataset() override;

    const QString &name() const { return m_name; }
    Database &database() const { return m_db; }

    // Opening an open object does nothing; reopening moves to the first row.
    void open();
    void close();
    bool active() const { return m_state != State::Inactive; }
    void setActive(bool on) { on ? open() : close(); }
    State state() const { return m_state; }

    // Scroll guard: while tag is not 0 the after-scroll notification is not sent.
    int tag = 0;

    // Navigation, with the end-of-file rules of a table cursor: next() on the last row sets eof()
    // and stays there; first() sets bof().
    void first();
    void last();
    void next();
    void prior();
    bool eof() const { settle(); return m_eof; }
    bool bof() const { settle(); return m_bof; }
    bool isEmpty() const { settle(); return m_view.empty(); }
    int recordCount() const { settle(); return int(m_view.size()); }
    int recNo() const { settle(); return m_pos + 1; } // 1-based; 0 when empty
    void moveTo(int viewRow);               // 0-based row of the current view

    // Values of the current row by column name (any case). NULL reads as "" or 0.
    QString text(const QString &column) const;
    qint64 integer(const QString &column, bool *ok = nullptr) const;
    QDateTime dateTime(const QString &column) const; // invalid when NULL or not a date
    bool yesNo(const QString &column) const;
    QVariant value(const QString &column) const;
    bool isNull(const QString &column) const;

    // Filter: the expression is kept; filtering applies it. Both move to the first row.
    // An invalid expression throws DatabaseError when it is applied.
    void setFilter(const QString &expression);
    const QString &filter() const { return m_filterText; }
    void setFiltered(bool on);
    bool filtered() const { return m_filtered; }

    // Sorting keeps the filter and the current row. indexFieldNames: one column, ascending.
    // sort: "Col [ASC|DESC][, Col2 ...]". An empty text keeps the stored order.
    void setIndexFieldNames(const QString &column);
    void setSort(const QString &expression);
    const QString &sort() const { return m_sortText; }

    // First row in the current order among those that pass the filter whose column equals the
    // value; stays put and returns false when none does.
    bool locate(const QString &column, const QVariant &value, LocateOption options = LocateOption::CaseInsensitive);

    // Editing. edit() on an empty table appends. Post outside edit mode throws.
    virtual void edit();
    virtual void append();
    void setValue(const QString &column, const QVariant &value);
    virtual void post();
    void cancel();
    virtual void remove(); // Delete: the next row becomes current (the previous one at the end)
    void refresh();        // re-reads the rows, keeps filter, sort and (when it still exists) the row

    // Columns and direct row access (for grid models).
    const std::vector<ColumnDef> &columns() const { return m_columns; }
    int columnIndex(const QString &name) const; // -1 when there is no such column
    const QVariant &valueAt(int viewRow, int column) const;
    int currentRow() const { settle(); return m_pos; } // -1 when empty

    // A large table can be read in the background: open() then returns at once, and the first use
    // that needs its rows waits for them. Filter, filtered switch and sort set meanwhile are kept
    // and apply once the rows are there. indexColumn: a column whose equality index is made in
    // the background too.
    void setOpensInBackground(const QString &indexColumn) { m_backgroundIndexColumn = indexColumn; }
    bool loading() const { return m_loading.valid(); }
    // Rows whose column equals the value as an equality filter compares, whatever the filter of
    // the table object; its view and position stay as they are. While the rows are still being
    // read, a value whose case cannot differ (a plant number) is counted by the database.
    int countEqual(const QString &column, const QString &value);

    // Many changes in a row (a bulk append): views hear of them once, at the end, instead of after
    // every row. Nests; use HeldNotifications.
    void holdNotifications();
    void releaseNotifications();

signals:
    // After the current row changed, unless the scroll guard (tag) is set.
    void afterScroll();
    // Always after the current row changed (grids follow the cursor even while it is guarded).
    void currentChanged(int viewRow);
    // The set or order of visible rows changed (open, close, filter, sort, append, delete, refresh).
    void rowsReset();
    // The values of one visible row changed (post).
    void rowChanged(int viewRow);

protected:
    using StoredRow = vindel::StoredRow;
    // What loading yields: the row ids and the values, row after row in one block.
    using Cells = CellBlock;
    struct LoadedRows {
        std::vector<qint64> rowIds;
        Cells cells;
    };

    // Loads all rows; sets m_columns. Throws DatabaseError.
    virtual LoadedRows loadRows() = 0;
    // What a load in another thread yields: the rows, and the equality index of one column.
    struct BackgroundRows {
        LoadedRows rows;
        int indexColumn = -1;
        RowView::EqualityIndex index;
    };
    // Starts reading the rows on a connection of its own (sets m_columns first). An invalid future
    // when the object cannot load in the background.
    virtual std::future<BackgroundRows> loadRowsInBackground(const QString &indexColumn);
    // Writes a changed or new row; returns the new row id for an insert. Read-only sets throw.
    // dirty marks the columns that were set; for an insert the unset ones stay NULL.
    virtual qint64 writeRow(const StoredRow *existing, SqlRow &values, const std::vector<bool> &dirty) = 0;
    virtual void deleteRow(const StoredRow &row) = 0;

    void reloadKeepingRow();
    void setColumns(std::vector<ColumnDef> columns);
    virtual void columnsChanged() {}
    std::vector<ColumnDef> m_columns;

private:
    void finishOpen();
    // Waits for rows still being read in the background and takes them.
    void settle() const
    {
        if (m_loading.valid())
            const_cast<Dataset *>(this)->takeBackgroundRows();
    }
    void takeBackgroundRows();
    int requireColumn(const QString &name) const;
    const QVariant *currentValues() const;
    void takeRows(LoadedRows loaded);
    QVariant convertForColumn(const ColumnDef &column, const QVariant &value) const;
    void postIfEditing();
    void rebuildView(bool keepCurrent);
    // Unknown columns are refused with requireColumns, else left out.
    std::vector<RowView::SortKey> sortKeysOf(const QString &expression, bool requireColumns) const;
    void setPosition(int viewRow, bool notify = true);
    void notifyScroll();
    void notifyRowsReset();
    void notifyCurrentChanged();
    void notifyRowChanged(int viewRow);
    void requireActive() const;
    StoredRow &currentStored() { return m_store.rows[size_t(m_view.storedAt(m_pos))]; }

    Database &m_db;
    QString m_name;
    State m_state = State::Inactive;

    StoredRows m_store;  // every row as loaded, in stored order
    RowView m_view;      // the rows shown: filtered, sorted
    int m_pos = -1;
    bool m_eof = true;
    bool m_bof = true;

    QString m_filterText;
    bool m_filtered = false;
    std::unique_ptr<RowFilter> m_filter;
    QString m_sortText;

    int m_deferDepth = 0;
    bool m_deferredReset = false;

    QString m_backgroundIndexColumn;
    std::future<BackgroundRows> m_loading;

    SqlRow m_buffer;         // the pending edit
    std::vector<bool> m_dirty;
    QHash<QString, int> m_columnByLowerName;
    QHash<QString, int> m_columnByName;
};

// Holds a table object's notifications back for a scope.
class HeldNotifications {
public:
    explicit HeldNotifications(Dataset &dataset) : m_dataset(dataset) { m_dataset.holdNotifications(); }
    ~HeldNotifications() { m_dataset.releaseNotifications(); }
    HeldNotifications(const HeldNotifications &) = delete;
    HeldNotifications &operator=(const HeldNotifications &) = delete;

private:
    Dataset &m_dataset;
};

// A table object: a cursor over one whole table, writing through at once.
class Table : public Dataset, private RollbackListener {
    Q_OBJECT
public:
    // fixedColumns: when given, the cursor exposes exactly these columns and opening fails
    // when the table lacks one or holds it in another kind (the plant cursor).
    Table(Database &db, QString tableName, const TableDef *fixedColumns = nullptr, QObject *parent = nullptr);
    ~Table() override;

    const QString &tableName() const { return name(); }

protected:
    LoadedRows loadRows() override;
    std::future<BackgroundRows> loadRowsInBackground(const QString &indexColumn) override;
    qint64 writeRow(const StoredRow *existing, SqlRow &values, const std::vector<bool> &dirty) override;
    void deleteRow(const StoredRow &row) override;

private:
    // The statement that reads the table and which of its columns share repeated texts; sets the
    // columns.
    struct LoadPlan {
        QString sql;
        std::vector<bool> sharedTexts;
        qint64 count = 0;
    };
    LoadPlan planLoad();
    static LoadedRows read(Database &db, const LoadPlan &plan, size_t width);
    void rolledBack() override;
    void noteWrite();
    void columnsChanged() override { m_statementByColumns.clear(); }
    QString statementFor(bool update, const std::vector<bool> &dirty);

    QHash<QByteArray, QString> m_statementByColumns;
    const TableDef *m_fixed;
};

// A SQL command object: clear the text, add the statement, execute it; or open a SELECT as a
// read-only cursor. Its tag doubles as a flag holder.
class Query : public Dataset {
    Q_OBJECT
public:
    Query(Database &db, QString name, QObject *parent = nullptr);

    QStringList sql;
    void execSQL(); // runs sql.join(" ") as a Jet statement; throws DatabaseError

protected:
    LoadedRows loadRows() override;
    qint64 writeRow(const StoredRow *existing, SqlRow &values, const std::vector<bool> &dirty) override;
    void deleteRow(const StoredRow &row) override;
};

} // namespace vindel
