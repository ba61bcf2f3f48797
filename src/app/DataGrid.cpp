#include "app/DataGrid.h"

#include "app/AppContext.h"

#include <QHeaderView>

namespace vindel {

DataGrid::DataGrid(const QString &objectName, QWidget *parent) : QTableView(parent)
{
    setObjectName(objectName);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setTabKeyNavigation(false);
}

void DataGrid::bind(Dataset &dataset, std::vector<GridColumn> columns, bool showTitles)
{
    delete m_model;
    m_model = new DatasetModel(dataset, std::move(columns), this);
    setModel(m_model);
    horizontalHeader()->setVisible(showTitles);
    const auto &cols = m_model->gridColumns();
    for (int i = 0; i < int(cols.size()); ++i)
        if (cols[size_t(i)].width > 0)
            setColumnWidth(i, cols[size_t(i)].width);
    connect(m_model, &DatasetModel::currentRowChanged, this, &DataGrid::followCursor);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { followCursor(m_model->dataset().currentRow()); });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current, const QModelIndex &) { viewRowChanged(current); });
    followCursor(dataset.active() ? dataset.currentRow() : -1);
}

void DataGrid::followCursor(int row)
{
    if (!m_model || row < 0 || row >= m_model->rowCount())
        return;
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    if (currentIndex().row() == row)
        return;
    m_following = true;
    setCurrentIndex(m_model->index(row, column));
    m_following = false;
}

void DataGrid::viewRowChanged(const QModelIndex &current)
{
    if (m_following || !current.isValid())
        return;
    Dataset &ds = m_model->dataset();
    if (!ds.active() || current.row() == ds.currentRow())
        return;
    try {
        ds.moveTo(current.row());
    } catch (const DatabaseError &e) {
        AppContext::reportError(e.message());
    }
}

} // namespace vindel
