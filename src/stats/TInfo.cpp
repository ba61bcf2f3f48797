#include "stats/TInfo.h"

namespace vindel {

TInfo::TInfo(AppContext &context) : AppWindow(context, QStringLiteral("TInfo"), QStringLiteral("Informationen"))
{
}

} // namespace vindel
