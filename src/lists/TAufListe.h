#pragma once

#include "app/AppWindow.h"

namespace vindel {

class TAufListe : public AppWindow {
    Q_OBJECT
public:
    explicit TAufListe(AppContext &context);
};

} // namespace vindel
