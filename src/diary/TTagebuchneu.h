#pragma once

#include "app/AppWindow.h"
#include "app/ScrollGuard.h"
#include "photos/PhotoCommands.h"

#include <optional>

class QAction;
class QCalendarWidget;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace vindel {

class PhotoView;

// Writes one diary entry of the current plant, new or changed: its date, action, text and one
// photo of the user's own. The diary page opens it over the disabled main window; its own buttons
// close it and return to the diary page.
class TTagebuchneu : public AppWindow {
    Q_OBJECT
public:
    // The mode, kept in the window's tag.
    enum Mode { EditMode = 0, NewMode = 1 };

    explicit TTagebuchneu(AppContext &context);
    ~TTagebuchneu() override;

    // Sets the mode and the heading and shows the window over the opener.
    void openFor(Mode mode, const QString &heading, QWidget *opener);

    void FormActivate();
    void BitBtn2Click(); // "Speichern"
    void BitBtn3Click(); // "Abbrechen"
    void Image1Click(const QPoint &globalPos);
    void Fotoanzeigen1Click();
    void Fotoladen1Click();
    void Fotolschen1Click();
    void Image11Click();
    void MonthCalendar2DblClick();
    void FormKeyDown(int key);

    // A photo was chosen for the entry while the window is open.
    bool photoChosen() const { return m_chosen.has_value(); }

    QLabel *Heading;
    QLineEdit *Edit1; // "Datum:"
    QToolButton *Image11;
    QCalendarWidget *MonthCalendar2;
    QComboBox *ComboBox1; // "Aktion:"
    QPlainTextEdit *Memo1; // "Bemerkung:"
    PhotoView *Image1;     // "Mein Foto:"
    QMenu *PopupMenu1;
    QAction *Fotoanzeigen1;
    QAction *Fotoladen1;
    QAction *Fotolschen1;
    QAction *Abbrechen1;
    QPushButton *BitBtn2; // "Speichern"
    QPushButton *BitBtn3; // "Abbrechen"

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void fillActions();
    void showOwnPhotoPlaceholder();
    // Writes the open entry's fields and photo in one transaction; false when the user chose to
    // correct the date first.
    bool saveEntry();
    // Back to the diary page; the plant cursor follows the catalogue again.
    void returnToDiary();

    std::optional<ScrollGuard> m_plantGuard; // held while the window is open
    int m_savedPlantNr = 0;
    std::optional<ChosenPhoto> m_chosen;
    bool m_open = false;
};

} // namespace vindel
