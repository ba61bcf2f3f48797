#pragma once

#include "catalogue/NameDialog.h"

class QComboBox;
class QLabel;

namespace vindel {

// Adds a genus to a category, or renames the current genus (and moves it to another category)
// together with every plant of that genus. The mode comes from the tags of the main view's "+"
// (BitBtn29) and "?" (BitBtn7) buttons of the genus box.
class TGattung : public NameDialog {
    Q_OBJECT
public:
    explicit TGattung(AppContext &context);

    void FormActivate() override;
    void ComboBox1DropDown(); // fills the category list
    void SaveClick() override;

    QLabel *TitleLabel;
    QComboBox *ComboBox1; // "Kategorie wählen:"
    QLabel *NameLabel;
    QLabel *NoteLabel; // shown while renaming

private:
    void updateSaveButton();
    int m_genusId = 0;
};

} // namespace vindel
