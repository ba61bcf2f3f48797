#pragma once

#include "app/AppWindow.h"

namespace vindel {

class TTagebuchneu : public AppWindow {
    Q_OBJECT
public:
    explicit TTagebuchneu(AppContext &context);
};

} // namespace vindel
