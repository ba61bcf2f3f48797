#pragma once

#include "app/Page.h"

class QGroupBox;

namespace vindel {

// The address book.
class KontaktePage : public Page {
    Q_OBJECT
public:
    explicit KontaktePage(AppContext &context);

    QGroupBox *GroupBox6; // "Alle Kontakte"
    QGroupBox *GroupBox7; // "Kontaktdetails"
};

} // namespace vindel
