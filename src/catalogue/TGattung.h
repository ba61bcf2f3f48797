#pragma once

#include "app/AppWindow.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vindel {

class HauptansichtPage;

// Adds a genus to a category, or renames the current genus (and moves it to another category)
// together with every plant of that genus. The mode comes from the tags of the main view's "+"
// (BitBtn29) and "?" (BitBtn7) buttons of the genus box.
class TGattung : public AppWindow {
    Q_OBJECT
public:
    explicit TGattung(AppContext &context);

    void FormActivate();
    void ComboBox1DropDown(); // fills the category list
    void SaveClick();         // "Speichern"
    void CancelClick();       // "Abbrechen"

    QLabel *TitleLabel;
    QComboBox *ComboBox1; // "Kategorie wählen:"
    QLabel *NameLabel;
    QLineEdit *Edit1;
    QLabel *NoteLabel; // shown while renaming
    QPushButton *SaveButton;
    QPushButton *CancelButton;

protected:
    void showEvent(QShowEvent *event) override;

private:
    HauptansichtPage *page() const;
    void clearFlags();
    void updateSaveButton();
    QString m_oldName;
    int m_genusId = 0;
};

} // namespace vindel
