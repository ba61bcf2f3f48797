#pragma once

#include "app/AppContext.h"

#include <memory>
#include <vector>

namespace vindel {

class AppWindow;
class TPflanzendatenbank;

// Creates the program's 24 windows once, in their fixed order, the main window first: its
// start-up loads the colours that the later windows take when they are created.
class WindowFactory {
public:
    // The class names in creation order.
    static const std::vector<QString> &classNames();

    // Creates all windows. Returns nothing when the main window's start-up stopped the program;
    // then no window exists.
    static std::vector<std::unique_ptr<AppWindow>> createAll(AppContext &context);
};

} // namespace vindel
