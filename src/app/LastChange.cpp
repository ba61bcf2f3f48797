#include "app/LastChange.h"

#include "app/AppContext.h"

namespace vindel {

void stampLastChange(AppContext &ctx)
{
    Table &settings = ctx.tables.Tab_Stammdaten;
    settings.open();
    settings.edit();
    try {
        settings.setValue(QStringLiteral("Letzte"), ctx.prompter.now());
        settings.post();
    } catch (...) {
        settings.cancel(); // no stale edit left for the next move to post
        throw;
    }
    settings.close();
    settings.open();
}

} // namespace vindel
