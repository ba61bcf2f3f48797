#include "reports/CatalogueSnapshot.h"

#include "app/AppContext.h"
#include "app/ScrollGuard.h"

namespace vindel {

CatalogueSnapshot::CatalogueSnapshot(AppContext &ctx) : m_ctx(ctx)
{
    DataTables &t = ctx.tables;
    Table &plants = t.Tab_Pflanzen_test;
    m_plantsOpen = plants.active();
    if (m_plantsOpen) {
        m_filter = plants.filter();
        m_filtered = plants.filtered();
        m_sort = plants.sort();
        m_plantId = plants.isEmpty() ? 0 : plants.integer(QStringLiteral("ID"));
    }
    if (t.Tab_Kate_test.active() && !t.Tab_Kate_test.isEmpty())
        m_categoryId = t.Tab_Kate_test.integer(QStringLiteral("ID"));
    if (t.Tab_Gattung.active() && !t.Tab_Gattung.isEmpty())
        m_genusId = t.Tab_Gattung.integer(QStringLiteral("ID"));
}

void CatalogueSnapshot::restore()
{
    DataTables &t = m_ctx.tables;
    Table &plants = t.Tab_Pflanzen_test;
    ScrollGuard guard({&t.Tab_Kate_test, &t.Tab_Gattung, &plants}, ScrollGuard::OnExit::Restore);
    if (m_categoryId && t.Tab_Kate_test.active())
        t.Tab_Kate_test.locate(QStringLiteral("ID"), m_categoryId);
    if (m_genusId && t.Tab_Gattung.active())
        t.Tab_Gattung.locate(QStringLiteral("ID"), m_genusId);
    if (!m_plantsOpen || !plants.active())
        return;
    if (plants.sort() != m_sort)
        plants.setSort(m_sort);
    if (plants.filter() != m_filter)
        plants.setFilter(m_filter);
    if (plants.filtered() != m_filtered)
        plants.setFiltered(m_filtered);
    if (m_plantId)
        plants.locate(QStringLiteral("ID"), m_plantId);
}

} // namespace vindel
