#include "reports/TRep_Listekurz.h"

namespace vindel {

TRep_Listekurz::TRep_Listekurz(AppContext &context) : ReportWindow(context, QStringLiteral("TRep_Listekurz"))
{
}

} // namespace vindel
