#pragma once

#include "app/AppWindow.h"

namespace vindel {

class TDruckauswahl : public AppWindow {
    Q_OBJECT
public:
    explicit TDruckauswahl(AppContext &context);
};

} // namespace vindel
