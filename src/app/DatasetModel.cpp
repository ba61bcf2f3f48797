#include "app/DatasetModel.h"

#include "data/ShortDate.h"

namespace vindel {

DatasetModel::DatasetModel(Dataset &dataset, std::vector<GridColumn> columns, QObject *parent)
    : QAbstractTableModel(parent), m_dataset(dataset), m_columns(std::move(columns))
{
    resolveColumns();
    // The table object has already changed when it tells us; the reset only makes views re-read.
    connect(&m_dataset, &Dataset::rowsReset, this, [this] {
        beginResetModel();
        resolveColumns();
        endResetModel();
    });
    connect(&m_dataset, &Dataset::rowChanged, this, [this](int row) {
        if (row >= 0 && row < m_rows && !m_columns.empty())
            emit dataChanged(index(row, 0), index(row, int(m_columns.size()) - 1));
    });
    connect(&m_dataset, &Dataset::currentChanged, this, &DatasetModel::currentRowChanged);
}

void DatasetModel::resolveColumns()
{
    m_rows = m_dataset.active() ? m_dataset.recordCount() : 0;
    m_sourceColumn.clear();
    for (const GridColumn &c : m_columns)
        m_sourceColumn.push_back(m_dataset.active() ? m_dataset.columnIndex(c.field) : -1);
}

int DatasetModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_rows; }

int DatasetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QString DatasetModel::displayText(const QVariant &value, ColumnKind kind)
{
    if (value.isNull())
        return {};
    if (kind == ColumnKind::DateTime)
        return ShortDate::formatDateTime(ShortDate::fromStorage(value.toString()));
    return value.toString();
}

QVariant DatasetModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const GridColumn &c = m_columns[size_t(index.column())];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(c.alignment);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const int source = m_sourceColumn[size_t(index.column())];
    if (source < 0 || index.row() >= m_dataset.recordCount())
        return QString();
    return displayText(m_dataset.valueAt(index.row(), source), m_dataset.columns()[size_t(source)].kind);
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= int(m_columns.size()))
        return QAbstractTableModel::headerData(section, orientation, role);
    const GridColumn &c = m_columns[size_t(section)];
    if (role == Qt::DisplayRole)
        return c.title.isEmpty() ? c.field : c.title;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(c.alignment);
    return {};
}

} // namespace vindel
