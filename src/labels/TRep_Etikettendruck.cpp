#include "labels/TRep_Etikettendruck.h"

namespace vindel {

TRep_Etikettendruck::TRep_Etikettendruck(AppContext &context) : ReportWindow(context, QStringLiteral("TRep_Etikettendruck"))
{
}

} // namespace vindel
