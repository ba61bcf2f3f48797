#include "diary/TAktionen.h"

namespace vindel {

TAktionen::TAktionen(AppContext &context) : AppWindow(context, QStringLiteral("TAktionen"), QStringLiteral("Aktionen"))
{
}

} // namespace vindel
