#pragma once

#include "app/AppWindow.h"

namespace vindel {

class TRep_Historie : public ReportWindow {
    Q_OBJECT
public:
    explicit TRep_Historie(AppContext &context);
};

} // namespace vindel
