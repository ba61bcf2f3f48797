#pragma once

#include "app/DatasetModel.h"

#include <QTableView>

namespace vindel {

// A read-only grid bound to a table object: the selected row is the cursor's current row, both
// ways. Clicking or moving with the keys moves the cursor (and so runs its after-scroll chain).
class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(const QString &objectName, QWidget *parent = nullptr);

    void bind(Dataset &dataset, std::vector<GridColumn> columns, bool showTitles = true);
    DatasetModel *datasetModel() const { return m_model; }

private:
    void followCursor(int row);
    void viewRowChanged(const QModelIndex &current);
    DatasetModel *m_model = nullptr;
    bool m_following = false;
};

} // namespace vindel
