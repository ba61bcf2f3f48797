#pragma once

#include "app/AppWindow.h"

namespace vindel {

class TRep_Etikettendruck : public ReportWindow {
    Q_OBJECT
public:
    explicit TRep_Etikettendruck(AppContext &context);
};

} // namespace vindel
