#pragma once

#include "app/AppWindow.h"

namespace vindel {

class TListe : public AppWindow {
    Q_OBJECT
public:
    explicit TListe(AppContext &context);
};

} // namespace vindel
