#include "reports/TSortieren.h"

namespace vindel {

TSortieren::TSortieren(AppContext &context) : AppWindow(context, QStringLiteral("TSortieren"), QStringLiteral("Sortieren"), {397, 433})
{
}

} // namespace vindel
