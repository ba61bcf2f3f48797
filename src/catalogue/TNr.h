#pragma once

#include "app/AppWindow.h"

namespace vindel {

class TNr : public AppWindow {
    Q_OBJECT
public:
    explicit TNr(AppContext &context);
};

} // namespace vindel
