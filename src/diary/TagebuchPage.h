#pragma once

#include "app/Page.h"

class QGroupBox;

namespace vindel {

// The diary of the current plant.
class TagebuchPage : public Page {
    Q_OBJECT
public:
    explicit TagebuchPage(AppContext &context);

    QGroupBox *RadioGroup1; // "Filter für Anzeige im Tagebuch"
    QGroupBox *RadioGroup2; // "Sortierung"
};

} // namespace vindel
