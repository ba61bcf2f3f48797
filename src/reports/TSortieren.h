#pragma once

#include "app/AppWindow.h"

namespace vindel {

class TSortieren : public AppWindow {
    Q_OBJECT
public:
    explicit TSortieren(AppContext &context);
};

} // namespace vindel
