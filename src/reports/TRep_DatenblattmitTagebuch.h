#pragma once

#include "app/AppWindow.h"

namespace vindel {

class TRep_DatenblattmitTagebuch : public ReportWindow {
    Q_OBJECT
public:
    explicit TRep_DatenblattmitTagebuch(AppContext &context);
};

} // namespace vindel
