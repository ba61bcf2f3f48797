#include "reports/TRep_Druckalle.h"

namespace vindel {

TRep_Druckalle::TRep_Druckalle(AppContext &context) : ReportWindow(context, QStringLiteral("TRep_Druckalle"))
{
}

} // namespace vindel
