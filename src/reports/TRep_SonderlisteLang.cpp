#include "reports/TRep_SonderlisteLang.h"

namespace vindel {

TRep_SonderlisteLang::TRep_SonderlisteLang(AppContext &context) : ReportWindow(context, QStringLiteral("TRep_SonderlisteLang"))
{
}

} // namespace vindel
