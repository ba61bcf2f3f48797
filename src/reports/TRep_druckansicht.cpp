#include "reports/TRep_druckansicht.h"

namespace vindel {

TRep_druckansicht::TRep_druckansicht(AppContext &context) : ReportWindow(context, QStringLiteral("TRep_druckansicht"))
{
}

} // namespace vindel
