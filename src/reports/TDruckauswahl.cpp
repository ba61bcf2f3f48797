#include "reports/TDruckauswahl.h"

namespace vindel {

TDruckauswahl::TDruckauswahl(AppContext &context) : AppWindow(context, QStringLiteral("TDruckauswahl"), QStringLiteral("Druckauswahl"))
{
}

} // namespace vindel
