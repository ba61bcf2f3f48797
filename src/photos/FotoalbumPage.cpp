#include "photos/FotoalbumPage.h"

namespace vindel {

FotoalbumPage::FotoalbumPage(AppContext &context)
    : Page(context, QStringLiteral("TabSheet6"), QStringLiteral("Fotoalbum                                  "))
{
}

} // namespace vindel
