#pragma once

#include <QString>

namespace vindel {

class AppContext;

// The catalogue as a report found it: the plant list's filter, order and current plant, the
// current category and genus. Restoring it after a preview gives the main window back exactly the
// list it showed, whatever the report did to the table objects meanwhile.
class CatalogueSnapshot {
public:
    explicit CatalogueSnapshot(AppContext &ctx);
    void restore();

private:
    AppContext &m_ctx;
    QString m_filter;
    bool m_filtered = false;
    QString m_sort;
    qint64 m_plantId = 0;
    qint64 m_categoryId = 0;
    qint64 m_genusId = 0;
    bool m_plantsOpen = false;
};

} // namespace vindel
