#include "reports/ReportSources.h"

#include "app/DatasetModel.h"
#include "data/Dataset.h"

#include <QCollator>
#include <algorithm>

namespace vindel {

QString TableRecords::printed(const Dataset &table, int viewRow, const QString &field)
{
    const int column = table.columnIndex(field);
    if (column < 0 || viewRow < 0 || viewRow >= table.recordCount())
        return {};
    return DatasetModel::displayText(table.valueAt(viewRow, column), table.columns()[size_t(column)].kind);
}

int TableRecords::count() const { return m_table.active() ? m_table.recordCount() : 0; }

void TableRecords::reset()
{
    m_pos = -1;
    m_order.resize(size_t(count()));
    for (size_t i = 0; i < m_order.size(); ++i)
        m_order[i] = int(i);
    const int column = m_sortColumn.isEmpty() ? -1 : m_table.columnIndex(m_sortColumn);
    if (column < 0)
        return;
    QCollator german(QLocale(QLocale::German, QLocale::Germany));
    german.setCaseSensitivity(Qt::CaseInsensitive);
    german.setNumericMode(true);
    std::vector<QString> keys(m_order.size());
    for (size_t i = 0; i < keys.size(); ++i)
        keys[i] = printed(m_table, int(i), m_sortColumn);
    std::stable_sort(m_order.begin(), m_order.end(),
                     [&](int a, int b) { return german.compare(keys[size_t(a)], keys[size_t(b)]) < 0; });
}

bool TableRecords::next()
{
    if (m_pos < int(m_order.size()))
        ++m_pos;
    return m_pos < int(m_order.size());
}

QString TableRecords::value(const QString &field) const { return printed(m_table, row(), field); }

OneRecord::OneRecord(const Dataset &table)
    : OneRecord(table, [&table] { return table.active() && !table.isEmpty() ? table.currentRow() : -1; })
{
}

bool OneRecord::next()
{
    const bool first = !m_done && count() > 0;
    m_done = true;
    return first;
}

QString OneRecord::value(const QString &field) const { return TableRecords::printed(m_table, m_row(), field); }

} // namespace vindel
