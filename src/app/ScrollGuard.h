#pragma once

#include "data/Dataset.h"

#include <initializer_list>
#include <vector>

namespace vindel {

// Holds the scroll guard (tag 1) of table objects for a scope, so that moving them does not
// rebuild the catalogue display; released on every exit, exceptions included.
class ScrollGuard {
public:
    ScrollGuard(std::initializer_list<Dataset *> datasets) : m_datasets(datasets)
    {
        for (Dataset *d : m_datasets)
            d->tag = 1;
    }
    ~ScrollGuard() { release(); }
    void release()
    {
        for (Dataset *d : m_datasets)
            d->tag = 0;
        m_datasets.clear();
    }
    ScrollGuard(const ScrollGuard &) = delete;
    ScrollGuard &operator=(const ScrollGuard &) = delete;

private:
    std::vector<Dataset *> m_datasets;
};

} // namespace vindel
