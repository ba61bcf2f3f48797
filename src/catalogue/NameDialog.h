#pragma once

#include "app/AppWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vindel {

class DesignLayout;
class HauptansichtPage;

// What the category and the genus dialog share: a bold title, a name field, "Speichern" and
// "Abbrechen", centring over the main window, and the mode flags on the main view's buttons.
class NameDialog : public AppWindow {
    Q_OBJECT
public:
    virtual void FormActivate() = 0;
    virtual void SaveClick() = 0; // "Speichern"
    void CancelClick();           // "Abbrechen"

    QLineEdit *Edit1;
    QPushButton *SaveButton;
    QPushButton *CancelButton;

protected:
    // The main view's "+" and "?" buttons tag themselves with 1 to say in which mode they open
    // the dialog.
    using ModeButton = QPushButton *HauptansichtPage::*;
    NameDialog(AppContext &context, const QString &className, const QString &caption, ModeButton addButton,
               ModeButton renameButton);
    void showEvent(QShowEvent *event) override;
    // Enter saves, Escape cancels, wherever the focus is in the dialog.
    void keyPressEvent(QKeyEvent *event) override;

    HauptansichtPage *page() const;
    bool renameMode() const; // opened by "?"
    void clearFlags();

    QLabel *titleLabel(const char *name, const QRect &rect);
    QLineEdit *nameField(const QRect &rect);
    // The two buttons at the foot of the dialog; they come last in the tab order.
    void addButtons();

    DesignLayout *m_layout;
    QString m_oldName;

private:
    ModeButton m_addButton;
    ModeButton m_renameButton;
};

} // namespace vindel
