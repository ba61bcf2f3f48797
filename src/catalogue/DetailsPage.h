#pragma once

#include "app/Page.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace vindel {

class PhotoView;

// "Details": the long texts, the literature photo and the web links of the current plant, with
// an editing mode of its own and a record navigator. It shows the plant whenever the catalogue
// shows one, and paints the plant's seventh photo.
class DetailsPage : public Page {
    Q_OBJECT
public:
    explicit DetailsPage(AppContext &context);

    void TabSheet2Show();
    void TabSheet2Exit();
    void pageShown() override { TabSheet2Show(); }
    void pageLeft() override { TabSheet2Exit(); }

    void BitBtn6Click();  // "Bearbeiten" / "Änderungen speichern"
    void BitBtn11Click(); // "Abbrechen"
    void BitBtn12Click(); // "Druckansicht"
    void Edit54DblClick();
    void Edit55DblClick();
    void Edit56DblClick();

    // Record navigator.
    void firstPlant();
    void priorPlant();
    void nextPlant();
    void lastPlant();

    bool editing() const;

    QLabel *Label52;          // plant name (black)
    QLabel *Label53;          // the same name in white, under it
    QLabel *DetailsNumber;    // "Nr.:" value, the text of the main view's number label
    QPlainTextEdit *Memo3;    // Beschreibung
    QPlainTextEdit *Memo4;    // Pflege
    QPlainTextEdit *Memo5;    // Vermehrung
    QPlainTextEdit *Memo1;    // Düngung
    QPlainTextEdit *Memo6;    // Boden
    QGroupBox *GroupBox9;     // "Literaturfoto :"
    PhotoView *Image9;        // the literature photo (slot 7)
    QGroupBox *GroupBox8;     // "Links zu Webseiten:"
    QLineEdit *Edit54;        // Webseite1
    QLineEdit *Edit55;        // Webseite2
    QLineEdit *Edit56;        // Webseite3
    QPushButton *BitBtn6;     // "Bearbeiten"; tag 1 while editing
    QPushButton *BitBtn11;    // "Abbrechen"
    QPushButton *BitBtn12;    // "Druckansicht"
    QWidget *DBNavigator1;    // first, prior, next, last
    QToolButton *NavigatorFirst;
    QToolButton *NavigatorPrior;
    QToolButton *NavigatorNext;
    QToolButton *NavigatorLast;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showPlant();
    void setEditable(bool editable);
    void requestLiteratureFrame();
    void openWebLink(QLineEdit *field);
    void navigate(void (Dataset::*move)());
};

} // namespace vindel
