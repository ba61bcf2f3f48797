#include "lists/ListGrids.h"

#include "data/Schema.h"

#include <QEvent>

namespace vindel {

namespace {

// Gives the grid the focus when the mouse moves over it.
class FocusOnHover : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
            if (auto *grid = qobject_cast<QWidget *>(parent()))
                grid->setFocus();
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

DataGrid *allColumnsGrid(const char *name, Dataset &table, const QString &tableName)
{
    auto *grid = new DataGrid(QLatin1String(name));
    std::vector<GridColumn> columns;
    if (const TableDef *def = Schema::table(tableName))
        for (const ColumnDef &c : def->columns)
            columns.push_back({c.name, c.name, c.kind == ColumnKind::Text && c.width > 60 ? 160 : 80});
    grid->bind(table, std::move(columns));
    grid->setMouseTracking(true);
    grid->viewport()->setMouseTracking(true);
    grid->viewport()->installEventFilter(new FocusOnHover(grid));
    return grid;
}

} // namespace vindel
