#pragma once

#include "app/CatalogueOperations.h"
#include "app/ContextEvents.h"
#include "app/FrameOperations.h"
#include "app/Prompter.h"
#include "app/ReportOperations.h"
#include "app/SharedState.h"
#include "data/DataTables.h"

#include <functional>
#include <memory>
#include <type_traits>
#include <typeindex>
#include <unordered_map>
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
    ContextEvents events;
    FrameOperations *frame = nullptr;
    CatalogueOperations *catalogue = nullptr;
    ReportOperations *reports = nullptr;
    // An installed program: at the first start, a missing database is created or chosen instead
    // of ending the program.
    bool offerNewDatabase = false;

    // One object of a kind for the whole program, made on first use and kept until the context
    // ends (after every window): the thumbnail loader and its cache, the current plant's photos.
    // A service that needs the context is made with it.
    template <class T> T &service()
    {
        auto it = m_services.find(std::type_index(typeid(T)));
        if (it == m_services.end()) {
            std::shared_ptr<T> made;
            if constexpr (std::is_constructible_v<T, AppContext &>)
                made = std::make_shared<T>(*this);
            else
                made = std::make_shared<T>();
            it = m_services.emplace(std::type_index(typeid(T)), std::move(made)).first;
        }
        return *static_cast<T *>(it->second.get());
    }

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
    std::unordered_map<std::type_index, std::shared_ptr<void>> m_services;
    static AppContext *s_current;
};

} // namespace vindel
