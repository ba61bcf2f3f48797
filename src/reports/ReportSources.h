#pragma once

#include "reports/engine/ReportModel.h"

#include <functional>
#include <vector>

namespace vindel {

class Dataset;

// The rows of a table object as a report reads them: in its filter and order (or sorted by a
// column of the report's choosing), without moving the cursor, so the catalogue does not follow.
class TableRecords : public report::RecordSource {
public:
    explicit TableRecords(const Dataset &table) : m_table(table) {}

    // Prints the rows sorted by this column (numbers as numbers, texts as a German reader sorts
    // them); empty keeps the table's order.
    void sortBy(const QString &column) { m_sortColumn = column; }

    int count() const override;
    void reset() override;
    bool next() override;
    QString value(const QString &field) const override;
    // The table's row (in its view) that is current; -1 before the first.
    int row() const { return m_pos >= 0 && m_pos < int(m_order.size()) ? m_order[size_t(m_pos)] : -1; }

    // A value of a view row as reports print it: numbers in decimal, dates as short date text.
    static QString printed(const Dataset &table, int viewRow, const QString &field);

private:
    const Dataset &m_table;
    QString m_sortColumn;
    std::vector<int> m_order;
    int m_pos = -1;
};

// One row of a table object as a report's only record: the current row (the plant a sheet
// prints, the settings), or the row a rule finds (the plant a list entry names).
class OneRecord : public report::RecordSource {
public:
    // The table's current row.
    explicit OneRecord(const Dataset &table);
    // row() gives the view row to read, or -1 for none.
    OneRecord(const Dataset &table, std::function<int()> row) : m_table(table), m_row(std::move(row)) {}

    int count() const override { return m_row() >= 0 ? 1 : 0; }
    void reset() override { m_done = false; }
    bool next() override;
    QString value(const QString &field) const override;

private:
    const Dataset &m_table;
    std::function<int()> m_row;
    bool m_done = false;
};

} // namespace vindel
