#pragma once

#include "app/AppWindow.h"

namespace vindel {

class TKategorie : public AppWindow {
    Q_OBJECT
public:
    explicit TKategorie(AppContext &context);
};

} // namespace vindel
