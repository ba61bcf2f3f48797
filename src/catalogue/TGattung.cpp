#include "catalogue/TGattung.h"

namespace vindel {

TGattung::TGattung(AppContext &context) : AppWindow(context, QStringLiteral("TGattung"), QStringLiteral("Gattung"))
{
}

} // namespace vindel
