#pragma once

#include "app/AppWindow.h"

namespace vindel {

class TRep_SonderlisteLang : public ReportWindow {
    Q_OBJECT
public:
    explicit TRep_SonderlisteLang(AppContext &context);
};

} // namespace vindel
