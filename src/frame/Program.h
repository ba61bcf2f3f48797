#pragma once

#include "app/AppContext.h"

#include <memory>
#include <vector>

namespace vindel {

class AppWindow;
class TPflanzendatenbank;

// What the program's main block does: create the windows (the start-up runs inside) and show the
// main window. main() then runs the event loop until the program ends.
class Program {
public:
    // programDir: the executable's folder with a trailing "/".
    Program(Prompter &prompter, const QString &programDir);
    ~Program();

    // False when the start-up stopped the program: nothing is shown and main() ends.
    bool start();

    bool stopped() const { return m_stopped; }
    bool ended() const { return m_ended; }

    AppContext &context() { return m_context; }
    TPflanzendatenbank *mainWindow() const;
    std::vector<AppWindow *> windows() const;

    // Called once when the program is to end (the main window was closed).
    std::function<void()> onEnded;


private:
    AppContext m_context;
    std::vector<std::unique_ptr<AppWindow>> m_windows;
    bool m_stopped = false;
    bool m_ended = false;
};

} // namespace vindel
