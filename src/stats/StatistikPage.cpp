#include "stats/StatistikPage.h"

namespace vindel {

StatistikPage::StatistikPage(AppContext &context)
    : Page(context, QStringLiteral("TabSheet8"), QStringLiteral("Statistik        "))
{
}

} // namespace vindel
