#pragma once

#include "app/AppWindow.h"

namespace vindel {

class TRep_Listekurz : public ReportWindow {
    Q_OBJECT
public:
    explicit TRep_Listekurz(AppContext &context);
};

} // namespace vindel
