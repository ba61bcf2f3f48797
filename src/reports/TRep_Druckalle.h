#pragma once

#include "app/AppWindow.h"

namespace vindel {

class TRep_Druckalle : public ReportWindow {
    Q_OBJECT
public:
    explicit TRep_Druckalle(AppContext &context);
};

} // namespace vindel
