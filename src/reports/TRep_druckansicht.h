#pragma once

#include "app/AppWindow.h"

namespace vindel {

class TRep_druckansicht : public ReportWindow {
    Q_OBJECT
public:
    explicit TRep_druckansicht(AppContext &context);
};

} // namespace vindel
