#include "catalogue/PlantCursor.h"

#include "app/AppContext.h"


namespace vindel {

AllPlantsScope::AllPlantsScope(Table &plants, Restore restore)
    : m_plants(plants), m_guard(plants, ScrollGuard::OnExit::Restore), m_restore(restore)
{
    m_plants.open();
    m_wasFiltered = m_plants.filtered();
    m_sort = m_plants.sort();
    m_id = m_plants.isEmpty() ? 0 : m_plants.integer(QStringLiteral("ID"));
    m_plants.setFiltered(false);
}

AllPlantsScope::~AllPlantsScope()
{
    // Runs on error paths too; a failure here must not replace the error being reported.
    try {
        if (!m_plants.active())
            return;
        if (m_restore == RestoreSort && m_plants.sort() != m_sort)
            m_plants.setSort(m_sort);
        m_plants.setFiltered(m_wasFiltered);
        if (m_id != 0)
            m_plants.locate(QStringLiteral("ID"), m_id);
    } catch (...) {
    }
}

std::optional<int> plantNumber(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n == -1)
        return std::nullopt;
    return n;
}

void replaceColumnValues(Table &table, const QString &column, const QString &from, const QString &to)
{
    for (; !table.eof(); table.next()) {
        if (table.text(column) == from) {
            table.edit();
            table.setValue(column, to);
            table.post();
        }
    }
}

void reapplyCatalogueSort(AppContext &ctx)
{
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    bool found = false;
    {
        ScrollGuard guard(plants, ScrollGuard::OnExit::Restore);
        plants.open();
        const QString column = ctx.catalogue ? ctx.catalogue->plantSortColumn() : QStringLiteral("Namen");
        if (!column.isEmpty())
            plants.setIndexFieldNames(column);
        plants.first();
        found = plants.locate(QStringLiteral("ID"), ctx.state.CurrentPlantId);
    }
    // A current plant outside the catalogue's filter (a new plant of another category): show the
    // plant the list stands on, so that the plant box and the list never disagree.
    if (!found && ctx.catalogue)
        ctx.catalogue->Pflanzezeigen();
}

} // namespace vindel
