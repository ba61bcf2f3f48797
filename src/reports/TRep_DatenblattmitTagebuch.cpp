#include "reports/TRep_DatenblattmitTagebuch.h"

namespace vindel {

TRep_DatenblattmitTagebuch::TRep_DatenblattmitTagebuch(AppContext &context) : ReportWindow(context, QStringLiteral("TRep_DatenblattmitTagebuch"))
{
}

} // namespace vindel
