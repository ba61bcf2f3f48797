#pragma once

#include "catalogue/NameDialog.h"

class QLabel;

namespace vindel {

// Adds a category, or renames the current one together with every genus and plant filed under it.
// The mode comes from the tags of the main view's "+" (BitBtn41) and "?" (BitBtn42) buttons.
class TKategorie : public NameDialog {
    Q_OBJECT
public:
    explicit TKategorie(AppContext &context);

    void FormActivate() override;
    void SaveClick() override;

    QLabel *Label1; // title
    QLabel *Label2; // name caption
    QLabel *Label4; // note shown while renaming
};

} // namespace vindel
