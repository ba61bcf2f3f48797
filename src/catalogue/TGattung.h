#pragma once

#include "app/AppWindow.h"

namespace vindel {

class TGattung : public AppWindow {
    Q_OBJECT
public:
    explicit TGattung(AppContext &context);
};

} // namespace vindel
