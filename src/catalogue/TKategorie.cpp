#include "catalogue/TKategorie.h"

namespace vindel {

TKategorie::TKategorie(AppContext &context) : AppWindow(context, QStringLiteral("TKategorie"), QStringLiteral("Kategorie"), {416, 264})
{
}

} // namespace vindel
