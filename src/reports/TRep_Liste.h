#pragma once

#include "app/AppWindow.h"

namespace vindel {

class TRep_Liste : public ReportWindow {
    Q_OBJECT
public:
    explicit TRep_Liste(AppContext &context);
};

} // namespace vindel
