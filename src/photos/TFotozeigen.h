#pragma once

#include "app/AppWindow.h"

namespace vindel {

class TFotozeigen : public AppWindow {
    Q_OBJECT
public:
    explicit TFotozeigen(AppContext &context);
};

} // namespace vindel
