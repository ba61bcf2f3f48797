#pragma once

#include "app/AppWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vindel {

class HauptansichtPage;

// Adds a category, or renames the current one together with every genus and plant filed under it.
// The mode comes from the tags of the main view's "+" (BitBtn41) and "?" (BitBtn42) buttons.
class TKategorie : public AppWindow {
    Q_OBJECT
public:
    explicit TKategorie(AppContext &context);

    void FormActivate();
    void SaveClick();   // "Speichern"
    void CancelClick(); // "Abbrechen"

    QLabel *Label1; // title
    QLabel *Label2; // name caption
    QLineEdit *Edit1;
    QLabel *Label4; // note shown while renaming
    QPushButton *SaveButton;
    QPushButton *CancelButton;

protected:
    void showEvent(QShowEvent *event) override;

private:
    HauptansichtPage *page() const;
    void clearFlags();
    QString m_oldName;
};

} // namespace vindel
