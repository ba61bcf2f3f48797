#include "lists/TListe.h"

namespace vindel {

TListe::TListe(AppContext &context) : AppWindow(context, QStringLiteral("TListe"), QStringLiteral("Meine Listen"))
{
}

} // namespace vindel
