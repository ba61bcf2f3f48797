#pragma once

#include "app/ScrollGuard.h"
#include "data/Dataset.h"

namespace vindel {

// For work that must find any plant, whatever the catalogue shows: the plant list is unfiltered
// while this lives, behind its scroll guard, and then gets its filter and its current plant back.
class AllPlantsShown {
public:
    explicit AllPlantsShown(Table &plants)
        : m_plants(plants), m_guard(plants, ScrollGuard::OnExit::Restore), m_wasFiltered(plants.filtered()),
          m_id(plants.isEmpty() ? 0 : plants.integer(QStringLiteral("ID")))
    {
        plants.setFiltered(false);
    }
    ~AllPlantsShown()
    {
        try {
            m_plants.setFiltered(m_wasFiltered);
            if (m_id)
                m_plants.locate(QStringLiteral("ID"), m_id);
        } catch (const DatabaseError &) {
            // Giving the view back must not turn into a second error on the way out of one.
        }
    }
    AllPlantsShown(const AllPlantsShown &) = delete;
    AllPlantsShown &operator=(const AllPlantsShown &) = delete;

private:
    Table &m_plants;
    ScrollGuard m_guard;
    bool m_wasFiltered;
    qint64 m_id;
};

} // namespace vindel
