#pragma once

#include "data/Dataset.h"

#include <initializer_list>
#include <utility>
#include <vector>

namespace vindel {

// Holds the scroll guard (tag 1) of table objects for a scope, so that moving them does not
// rebuild the catalogue display; left on every exit, exceptions included, by one of two rules:
//  - Release: the tag goes back to 0, the catalogue follows the cursor again;
//  - Restore: the tag goes back to what it was, so a guard an outer operation holds (an editing
//    mode, a dialog) survives the inner one.
class ScrollGuard {
public:
    enum class OnExit { Release, Restore };

    explicit ScrollGuard(std::initializer_list<Dataset *> datasets, OnExit onExit = OnExit::Release)
        : m_onExit(onExit)
    {
        for (Dataset *d : datasets) {
            m_held.emplace_back(d, d->tag);
            d->tag = 1;
        }
    }
    explicit ScrollGuard(Dataset &dataset, OnExit onExit = OnExit::Release) : ScrollGuard({&dataset}, onExit) {}
    ~ScrollGuard() { release(); }

    // Leaves the guard before the end of the scope.
    void release()
    {
        for (auto &[d, before] : m_held)
            d->tag = m_onExit == OnExit::Restore ? before : 0;
        m_held.clear();
    }

    ScrollGuard(const ScrollGuard &) = delete;
    ScrollGuard &operator=(const ScrollGuard &) = delete;

private:
    OnExit m_onExit;
    std::vector<std::pair<Dataset *, int>> m_held;
};

} // namespace vindel
