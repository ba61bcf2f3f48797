#pragma once

#include <QObject>

namespace vindel {

// What pages tell each other through the context instead of reaching into each other's
// controls: each page listens and refreshes its own controls.
class ContextEvents : public QObject {
    Q_OBJECT
signals:
    // The catalogue showed the current plant of Tab_Pflanzen_test (not while a plant is being
    // duplicated, when the plant box keeps what is being copied).
    void plantShown();
    // Categories were added, renamed or deleted: lists of category names are stale.
    void categoriesChanged();
    // Genera were added, renamed or deleted.
    void generaChanged();
};

} // namespace vindel
