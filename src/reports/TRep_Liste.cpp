#include "reports/TRep_Liste.h"

namespace vindel {

TRep_Liste::TRep_Liste(AppContext &context) : ReportWindow(context, QStringLiteral("TRep_Liste"))
{
}

} // namespace vindel
