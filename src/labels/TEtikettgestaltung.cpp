#include "labels/TEtikettgestaltung.h"

namespace vindel {

TEtikettgestaltung::TEtikettgestaltung(AppContext &context) : AppWindow(context, QStringLiteral("TEtikettgestaltung"), QStringLiteral("Etikettgestaltung"))
{
}

} // namespace vindel
