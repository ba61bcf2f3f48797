#pragma once

#include "app/AppWindow.h"

namespace vindel {

class TRep_SonderListe : public ReportWindow {
    Q_OBJECT
public:
    explicit TRep_SonderListe(AppContext &context);
};

} // namespace vindel
