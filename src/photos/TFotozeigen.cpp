#include "photos/TFotozeigen.h"

namespace vindel {

TFotozeigen::TFotozeigen(AppContext &context) : AppWindow(context, QStringLiteral("TFotozeigen"), QStringLiteral("Fotos"), {800, 680})
{
}

} // namespace vindel
