#pragma once

#include "data/Dataset.h"

#include <QAbstractTableModel>
#include <vector>

namespace vindel {

struct GridColumn {
    QString field;    // column of the table object, any case
    QString title;    // header text; the field name when empty
    int width = 0;    // pixels; 0 leaves the view's default
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

// The one model behind every data-bound grid: the visible rows of a table object, in its filter
// and sort order, with the columns chosen by name. Follows the table object's resets and changes.
class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    DatasetModel(Dataset &dataset, std::vector<GridColumn> columns, QObject *parent = nullptr);

    Dataset &dataset() const { return m_dataset; }
    const std::vector<GridColumn> &gridColumns() const { return m_columns; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The text a cell shows: integers in decimal, dates as short date text, NULL as "".
    static QString displayText(const QVariant &value, ColumnKind kind);

signals:
    // The table object's current row changed (-1 when there is none).
    void currentRowChanged(int row);

private:
    void resolveColumns();
    Dataset &m_dataset;
    std::vector<GridColumn> m_columns;
    std::vector<int> m_sourceColumn; // index in the dataset's columns, -1 when it has none
    int m_rows = 0;
};

} // namespace vindel
