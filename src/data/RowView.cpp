#include "data/RowView.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

namespace vindel {

namespace {

const QCollator &textCollator()
{
    static const QCollator c = [] {
        QCollator col(QLocale(QLocale::German, QLocale::Germany));
        col.setCaseSensitivity(Qt::CaseInsensitive);
        return col;
    }();
    return c;
}

} // namespace

RowView::RowView(const StoredRows &store, const std::vector<ColumnDef> &columns) : m_store(store), m_columns(columns)
{
}

int RowView::find(int storedRow) const
{
    const auto it = std::find(m_rows.begin(), m_rows.end(), storedRow);
    return it == m_rows.end() ? -1 : int(it - m_rows.begin());
}

bool RowView::sortBy(std::vector<SortKey> keys)
{
    const bool same = keys == m_sortKeys;
    // Sorting again by the same keys is what the catalogue does on every search; when the rows
    // already stand in that order there is nothing to do.
    if (same && m_sortedValid && m_inOrder)
        return false;
    if (!same) {
        m_sortKeys = std::move(keys);
        m_sortedValid = false;
    }
    return true;
}

void RowView::reset()
{
    m_rows.clear();
    m_inOrder = false;
    m_sorted.clear();
    m_rank.clear();
    m_sortedValid = false;
    dropIndex();
    m_prefixIndex.clear();
}

void RowView::dropIndex()
{
    m_indexColumn = -1;
    m_index = EqualityIndex{};
    m_indexAppended.clear();
}

RowView::EqualityIndex RowView::makeIndex(const StoredRows &store, int column)
{
    // One pass gives every row its value's slot, a second lays the rows of each slot together.
    EqualityIndex index;
    const size_t n = store.size();
    std::vector<int> slotOfRow(n);
    std::vector<int> counts;
    index.slot.reserve(qsizetype(std::min<size_t>(n, 1 << 20)));
    for (size_t i = 0; i < n; ++i) {
        const QString k = RowFilter::indexKey(store.values(i)[column]);
        auto it = index.slot.constFind(k);
        if (it == index.slot.cend()) {
            it = index.slot.insert(k, int(counts.size()));
            counts.push_back(0);
        }
        slotOfRow[i] = *it;
        ++counts[size_t(*it)];
    }
    index.start.assign(counts.size() + 1, 0);
    for (size_t s = 0; s < counts.size(); ++s)
        index.start[s + 1] = index.start[s] + counts[s];
    index.rows.resize(n);
    std::vector<int> fill(index.start.begin(), index.start.end() - 1);
    for (size_t i = 0; i < n; ++i)
        index.rows[size_t(fill[size_t(slotOfRow[i])]++)] = int(i);
    return index;
}

void RowView::adoptIndex(int column, EqualityIndex index)
{
    dropIndex();
    m_index = std::move(index);
    m_indexColumn = column;
}

int RowView::countEqual(int column, const QString &key)
{
    std::vector<int> appended;
    int count = 0;
    for (const std::span<const int> hits : {indexedRows({column, key}, appended), std::span<const int>(appended)})
        for (int i : hits)
            count += m_store.rows[size_t(i)].deleted ? 0 : 1;
    return count;
}

void RowView::rebuild(const RowFilter *filter)
{
    m_rows.clear();
    std::optional<RowFilter::EqualityKey> key = filter ? filter->equalityKey() : std::nullopt;
    // An equality the filter only requires narrows the rows to test to those of the index, when
    // that index is at hand (a column the table keeps indexed, such as the diary's plant number).
    const bool exact = key.has_value();
    if (!key && filter)
        if (auto required = filter->requiredEquality(); required && required->column == m_indexColumn)
            key = required;
    if (key && key->column >= 0 && key->column < int(m_columns.size())) {
        sortedOrder(); // keeps m_rank current
        std::vector<int> appended;
        for (const std::span<const int> hits : {indexedRows(*key, appended), std::span<const int>(appended)})
            for (int i : hits)
                if (!m_store.rows[size_t(i)].deleted && (exact || filter->matches(m_store.span(size_t(i)))))
                    m_rows.push_back(i);
        std::sort(m_rows.begin(), m_rows.end(), [this](int a, int b) { return m_rank[size_t(a)] < m_rank[size_t(b)]; });
    } else {
        scan(filter);
    }
    m_inOrder = true;
}

void RowView::scan(const RowFilter *filter)
{
    const std::vector<int> &order = sortedOrder();
    if (!filter && m_store.deletedCount == 0) {
        m_rows = order; // switching a filter off on a large table is one copy
        return;
    }
    const size_t n = m_store.size();
    std::vector<char> passes(n);
    const std::vector<RowFilter::Prefix> prefixes =
        filter ? filter->requiredPrefixes() : std::vector<RowFilter::Prefix>{};
    if (!prefixes.empty()) {
        // The rows each required text begins: a filter of such texts alone is answered without
        // reading a row; otherwise only the rows of the narrowest one are tested.
        std::vector<std::span<const int>> ranges;
        for (const RowFilter::Prefix &p : prefixes)
            ranges.push_back(rowsBeginningWith(p.column, p.folded));
        if (filter->onlyPrefixes()) {
            std::vector<quint8> hits(n, 0);
            for (const std::span<const int> range : ranges)
                for (int i : range)
                    ++hits[size_t(i)];
            for (size_t i = 0; i < n; ++i)
                passes[i] = hits[i] == ranges.size() && !m_store.rows[i].deleted;
        } else {
            const auto narrowest = std::min_element(ranges.begin(), ranges.end(), [](auto a, auto b) { return a.size() < b.size(); });
            for (int i : *narrowest)
                passes[size_t(i)] = !m_store.rows[size_t(i)].deleted && filter->matches(m_store.span(size_t(i)));
        }
    } else {
        // Rows are tested in stored order, which is the order they lie in memory; walking them in
        // sort order instead costs a cache miss per row on a large table.
        for (size_t i = 0; i < n; ++i)
            passes[i] = !m_store.rows[i].deleted && (!filter || filter->matches(m_store.span(i)));
    }
    m_rows.reserve(order.size());
    for (int i : order)
        if (passes[size_t(i)])
            m_rows.push_back(i);
}

const std::vector<int> &RowView::sortedOrder()
{
    if (m_sortedValid)
        return m_sorted;
    const size_t n = m_store.size();
    m_sorted.resize(n);
    for (size_t i = 0; i < n; ++i)
        m_sorted[i] = int(i);

    // Keys are computed once per row, so sorting 100k rows stays cheap.
    struct KeyColumn {
        bool descending;
        bool numeric;
        std::vector<double> numbers;
        std::vector<bool> nulls;
        std::vector<QCollatorSortKey> texts;
    };
    std::vector<KeyColumn> keyColumns;
    for (const SortKey &k : m_sortKeys) {
        if (k.column < 0)
            continue;
        const ColumnDef &def = m_columns[size_t(k.column)];
        KeyColumn kc{k.descending, def.isNumeric(), {}, {}, {}};
        kc.nulls.resize(n);
        if (kc.numeric) {
            kc.numbers.resize(n);
            for (size_t i = 0; i < n; ++i) {
                const QVariant &v = m_store.values(i)[k.column];
                kc.nulls[i] = v.isNull();
                kc.numbers[i] = v.toDouble();
            }
        } else {
            kc.texts.reserve(n);
            const QCollator &col = textCollator();
            for (size_t i = 0; i < n; ++i) {
                const QVariant &v = m_store.values(i)[k.column];
                kc.nulls[i] = v.isNull();
                // Dates are stored as ISO text, so their text order is their time order.
                kc.texts.push_back(col.sortKey(v.toString()));
            }
        }
        keyColumns.push_back(std::move(kc));
    }
    if (!keyColumns.empty()) {
        std::stable_sort(m_sorted.begin(), m_sorted.end(), [&](int a, int b) {
            for (const KeyColumn &kc : keyColumns) {
                int c = 0;
                const bool na = kc.nulls[size_t(a)], nb = kc.nulls[size_t(b)];
                if (na != nb) {
                    c = na ? -1 : 1; // NULL first in ascending order
                } else if (!na) {
                    if (kc.numeric) {
                        const double x = kc.numbers[size_t(a)], y = kc.numbers[size_t(b)];
                        c = x < y ? -1 : (x > y ? 1 : 0);
                    } else {
                        c = kc.texts[size_t(a)].compare(kc.texts[size_t(b)]);
                    }
                }
                if (c != 0)
                    return kc.descending ? c > 0 : c < 0;
            }
            return false;
        });
    }
    m_rank.resize(n);
    for (size_t i = 0; i < n; ++i)
        m_rank[size_t(m_sorted[i])] = int(i);
    m_sortedValid = true;
    return m_sorted;
}

std::span<const int> RowView::indexedRows(const RowFilter::EqualityKey &key, std::vector<int> &appendedHits)
{
    if (m_indexColumn != key.column)
        adoptIndex(key.column, makeIndex(m_store, key.column));
    const auto appended = m_indexAppended.constFind(key.key);
    if (appended != m_indexAppended.cend())
        appendedHits = *appended;
    const auto it = m_index.slot.constFind(key.key);
    if (it == m_index.slot.cend())
        return {};
    const int slot = *it;
    return std::span<const int>(m_index.rows.data() + m_index.start[size_t(slot)],
                                size_t(m_index.start[size_t(slot) + 1] - m_index.start[size_t(slot)]));
}

std::span<const int> RowView::rowsBeginningWith(int column, const QString &prefix)
{
    if (m_prefixIndex.size() < m_columns.size())
        m_prefixIndex.resize(m_columns.size());
    PrefixIndex &index = m_prefixIndex[size_t(column)];
    if (index.order.size() != m_store.size()) {
        const size_t n = m_store.size();
        index.folded.resize(n);
        index.order.resize(n);
        for (size_t i = 0; i < n; ++i) {
            index.folded[i] = RowFilter::folded(m_store.values(i)[column]);
            index.order[i] = int(i);
        }
        std::sort(index.order.begin(), index.order.end(),
                  [&](int a, int b) { return index.folded[size_t(a)] < index.folded[size_t(b)]; });
    }
    // The rows beginning with the prefix stand together where the prefix would be sorted in.
    const auto begin = std::lower_bound(index.order.begin(), index.order.end(), prefix,
                                        [&](int row, const QString &p) { return index.folded[size_t(row)] < p; });
    const auto end = std::partition_point(begin, index.order.end(),
                                          [&](int row) { return index.folded[size_t(row)].startsWith(prefix); });
    return std::span<const int>(index.order.data() + (begin - index.order.begin()), size_t(end - begin));
}

void RowView::columnsChanged(const std::vector<bool> &changed)
{
    // A change outside the sort columns keeps the order of the rows.
    for (const SortKey &k : m_sortKeys)
        if (k.column >= 0 && (changed.empty() || changed[size_t(k.column)]))
            m_sortedValid = false;
    if (m_indexColumn >= 0 && (changed.empty() || changed[size_t(m_indexColumn)]))
        dropIndex();
}

void RowView::rowChanged(int, const std::vector<bool> &changed)
{
    columnsChanged(changed);
    // A changed text changes the row's place among the sorted texts: that column's index goes.
    for (size_t c = 0; c < m_prefixIndex.size(); ++c)
        if (changed.empty() || changed[c])
            m_prefixIndex[c] = PrefixIndex{};
}

void RowView::rowAppended(int storedRow)
{
    m_sortedValid = false;
    if (m_indexColumn >= 0)
        m_indexAppended[RowFilter::indexKey(m_store.values(size_t(storedRow))[m_indexColumn])].push_back(storedRow);
    m_prefixIndex.clear();
    m_rows.push_back(storedRow);
    m_inOrder = false;
}

void RowView::rowRemoved(int viewRow) { m_rows.erase(m_rows.begin() + viewRow); }

} // namespace vindel
