#pragma once

#include "app/AppWindow.h"

namespace vindel {

class TInfo : public AppWindow {
    Q_OBJECT
public:
    explicit TInfo(AppContext &context);
};

} // namespace vindel
