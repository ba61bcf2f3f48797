#pragma once

#include "app/AppWindow.h"

class QSpinBox;

namespace vindel {

class TKalender : public AppWindow {
    Q_OBJECT
public:
    explicit TKalender(AppContext &context);

    QSpinBox *SpinEdit1; // "Jahr:"
};

} // namespace vindel
