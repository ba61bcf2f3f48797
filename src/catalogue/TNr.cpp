#include "catalogue/TNr.h"

namespace vindel {

TNr::TNr(AppContext &context) : AppWindow(context, QStringLiteral("TNr"), QStringLiteral("Nummer ändern"), {343, 243})
{
}

} // namespace vindel
