#pragma once

#include "app/Page.h"

class QGroupBox;

namespace vindel {

// All fields, the long texts, the literature photo and the web links of the current plant.
class DetailsPage : public Page {
    Q_OBJECT
public:
    explicit DetailsPage(AppContext &context);

    QGroupBox *GroupBox8; // "Links zu Webseiten:"
    QGroupBox *GroupBox9; // "Literaturfoto :"
};

} // namespace vindel
