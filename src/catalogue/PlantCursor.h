#pragma once

#include "app/AppContext.h"
#include "app/LastChange.h"
#include "app/ScrollGuard.h"
#include "data/Dataset.h"

#include <QWidget>
#include <optional>

namespace vindel {

// A scope in which every plant is visible: the scroll guard is held and the filter is off. On
// leaving, the filter is switched back to the state it was in (a filter that was off stays off),
// the sort is restored when asked for, and the cursor goes back to the row it was on (by ID).
class AllPlantsScope {
public:
    enum Restore { KeepSort, RestoreSort };
    explicit AllPlantsScope(Table &plants, Restore restore = KeepSort);
    ~AllPlantsScope();
    AllPlantsScope(const AllPlantsScope &) = delete;
    AllPlantsScope &operator=(const AllPlantsScope &) = delete;

    // The row to go back to on leaving (default: the row current on entry; 0 leaves the cursor
    // on the first row of the restored view).
    void returnTo(qint64 plantId) { m_id = plantId; }

private:
    Table &m_plants;
    ScrollGuard m_guard;
    bool m_wasFiltered;
    QString m_sort;
    Restore m_restore;
    qint64 m_id;
};

// The catalogue's plant order as its sort box chooses it (by name, by number, or the order kept),
// then the cursor on CurrentPlantId. Runs under the scroll guard, so the plant that was current
// stays current.
void reapplyCatalogueSort(AppContext &ctx);

// A plant number as the number checks read it: a whole number, where -1 counts as not a number.
std::optional<int> plantNumber(const QString &text);

// Writes `to` into `column` of every row, from the current one to the end, that holds `from`.
void replaceColumnValues(Table &table, const QString &column, const QString &from, const QString &to);

} // namespace vindel
