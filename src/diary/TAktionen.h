#pragma once

#include "app/AppWindow.h"

namespace vindel {

class TAktionen : public AppWindow {
    Q_OBJECT
public:
    explicit TAktionen(AppContext &context);
};

} // namespace vindel
