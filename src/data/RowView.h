#pragma once

#include "data/RowFilter.h"
#include "data/StoredRows.h"

#include <QHash>
#include <optional>
#include <span>
#include <vector>

namespace vindel {

// Which stored rows a table object shows, and in which order: the rows that pass its filter, in
// its sort order. It keeps what makes that fast on a large table: the sort keys of every row
// (kept while no sort column changes), an index of one column's values for an equality filter,
// and per column its rows in the order of their texts, for filters that need a text to begin
// with something. Each is made when first needed and follows the changes it is told of.
class RowView {
public:
    struct SortKey {
        int column; // -1: a column the table lacks (ignored)
        bool descending;
        bool operator==(const SortKey &) const = default;
    };

    RowView(const StoredRows &store, const std::vector<ColumnDef> &columns);

    // Rows by the case-folded text of one column: the rows of each value lie together in rows,
    // from start[slot] on.
    struct EqualityIndex {
        QHash<QString, int> slot;
        std::vector<int> start;
        std::vector<int> rows;
    };
    // Made from the stored rows alone, so any thread may make it.
    static EqualityIndex makeIndex(const StoredRows &store, int column);
    void adoptIndex(int column, EqualityIndex index);
    // The stored rows (not deleted) whose column has that folded text.
    int countEqual(int column, const QString &key);

    const std::vector<int> &rows() const { return m_rows; }
    int size() const { return int(m_rows.size()); }
    bool empty() const { return m_rows.empty(); }
    int storedAt(int viewRow) const { return m_rows[size_t(viewRow)]; }
    int find(int storedRow) const; // the view row showing it, or -1

    // New sort keys. False when they are the keys already in use and the rows stand in their
    // order, so there is nothing to place anew.
    bool sortBy(std::vector<SortKey> keys);
    // Places the rows that pass the filter (every row without one) in sort order.
    void rebuild(const RowFilter *filter);

    // What happened to the stored rows.
    void reset(); // loaded anew: everything kept about them goes
    void rowChanged(int storedRow, const std::vector<bool> &changedColumns);
    void rowAppended(int storedRow); // shown at the end until the rows are placed anew
    void rowRemoved(int viewRow);

private:
    const std::vector<int> &sortedOrder();
    void scan(const RowFilter *filter);
    std::span<const int> indexedRows(const RowFilter::EqualityKey &key, std::vector<int> &appendedHits);
    // The stored rows whose column text begins with the folded prefix, from the column's rows
    // sorted by their folded text.
    std::span<const int> rowsBeginningWith(int column, const QString &prefix);
    void columnsChanged(const std::vector<bool> &changedColumns);

    const StoredRows &m_store;
    const std::vector<ColumnDef> &m_columns;
    std::vector<int> m_rows; // indexes into the stored rows: filtered, sorted
    bool m_inOrder = false;  // m_rows follows the sort (no row appended since)

    std::vector<SortKey> m_sortKeys;
    std::vector<int> m_sorted; // all rows in sort order
    std::vector<int> m_rank;   // position of each stored row in m_sorted
    bool m_sortedValid = false;

    // The equality index of one column (the diary of one plant among many thousand); rows
    // appended since it was made are kept aside.
    int m_indexColumn = -1;
    EqualityIndex m_index;
    QHash<QString, std::vector<int>> m_indexAppended;
    void dropIndex();

    // Per column (made when a filter first needs it): the folded text of every stored row, and
    // the rows in the order of those texts.
    struct PrefixIndex {
        std::vector<QString> folded;
        std::vector<int> order;
    };
    std::vector<PrefixIndex> m_prefixIndex;
};

} // namespace vindel
