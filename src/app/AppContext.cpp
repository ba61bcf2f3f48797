#include "app/AppContext.h"

#include "app/AppWindow.h"
#include "data/Clock.h"

#include <algorithm>

namespace vindel {

AppContext *AppContext::s_current = nullptr;

AppContext::AppContext(Prompter &prompter, const QString &programDir) : prompter(prompter)
{
    state.ProgramDir = programDir;
    s_current = this;
    // Dates the data layer reads ("24.12." takes this year) follow the program's clock.
    Clock::install([&prompter] { return prompter.now(); });
}

AppContext::~AppContext()
{
    if (s_current == this) {
        s_current = nullptr;
        Clock::install({});
    }
}

void AppContext::addWindow(AppWindow *window) { m_windows.push_back(window); }

void AppContext::removeWindow(AppWindow *window)
{
    m_windows.erase(std::remove(m_windows.begin(), m_windows.end(), window), m_windows.end());
}

AppWindow *AppContext::window(const QString &className) const
{
    for (AppWindow *w : m_windows)
        if (w->objectName() == className)
            return w;
    return nullptr;
}

bool AppContext::run(const std::function<void()> &operation)
{
    try {
        operation();
        return true;
    } catch (const DatabaseError &e) {
        prompter.error(e.message());
        return false;
    }
}

void AppContext::reportError(const QString &message)
{
    if (s_current)
        s_current->prompter.error(message);
}

} // namespace vindel
