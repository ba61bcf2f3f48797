#pragma once

#include "app/FrameOperations.h"
#include "app/Prompter.h"
#include "app/SharedState.h"
#include "data/DataTables.h"

#include <functional>
#include <vector>

namespace vindel {

class AppWindow;

// Owns the database objects and the shared state; every window and page gets a reference.
class AppContext {
public:
    AppContext(Prompter &prompter, const QString &programDir);
    ~AppContext();
    AppContext(const AppContext &) = delete;
    AppContext &operator=(const AppContext &) = delete;

    Prompter &prompter;
    DataTables tables;
    SharedState state;
    FrameOperations *frame = nullptr;

    // The program's windows, in creation order.
    void addWindow(AppWindow *window);
    void removeWindow(AppWindow *window);
    const std::vector<AppWindow *> &windows() const { return m_windows; }
    AppWindow *window(const QString &className) const;
    // Needs AppWindow.h where it is used.
    template <class T> T *window() const
    {
        for (AppWindow *w : m_windows)
            if (T *t = qobject_cast<T *>(w))
                return t;
        return nullptr;
    }

    // Runs an operation; a database error ends it with the error box instead of leaving the
    // event loop.
    bool run(const std::function<void()> &operation);

    // For code that has no context at hand (grid views): reports a database error through the
    // prompter of the running program.
    static void reportError(const QString &message);

private:
    std::vector<AppWindow *> m_windows;
    static AppContext *s_current;
};

} // namespace vindel
