#include "reports/TRep_SonderListe.h"

namespace vindel {

TRep_SonderListe::TRep_SonderListe(AppContext &context) : ReportWindow(context, QStringLiteral("TRep_SonderListe"))
{
}

} // namespace vindel
