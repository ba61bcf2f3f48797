#include "lists/TAufListe.h"

namespace vindel {

TAufListe::TAufListe(AppContext &context) : AppWindow(context, QStringLiteral("TAufListe"), QStringLiteral("Listen"))
{
}

} // namespace vindel
