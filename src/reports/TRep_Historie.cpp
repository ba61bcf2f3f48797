#include "reports/TRep_Historie.h"

namespace vindel {

TRep_Historie::TRep_Historie(AppContext &context) : ReportWindow(context, QStringLiteral("TRep_Historie"))
{
}

} // namespace vindel
