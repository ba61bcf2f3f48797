#pragma once

#include "app/Page.h"
#include "catalogue/SuggestionBox.h"

class QCalendarWidget;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace vindel {

// "Neue Pflanze anlegen": the entry form for one new plant. It proposes the next free number,
// composes the name from genus, species and variant, keeps refused characters out of species and
// variant, and appends one plant on "Speichern".
class NeuePflanzePage : public Page {
    Q_OBJECT
public:
    explicit NeuePflanzePage(AppContext &context);

    void TabSheet4Show();
    void TabSheet4Exit();
    void pageShown() override { TabSheet4Show(); }
    void pageLeft() override { TabSheet4Exit(); }

    void BitBtn1Click(); // "Speichern"
    void BitBtn2Click(); // "Abbrechen"

    void Edit1Change();      // name
    void Edit35Change();     // number
    void ComboBox16Change(); // genus
    void Edit31Change();     // species
    void Edit45Change();     // variant, and the field number Edit48

    // Calendar icons: sowing (Edit2), flowering (Edit6), in stock since (Edit32).
    void Image5Click();
    void Image3Click();
    void Image16Click();
    void MonthCalendar1DblClick();

    // Suggestion lists.
    void ComboBox13DropDown();
    void ComboBox14DropDown();
    void ComboBox15DropDown();
    void ComboBox19DropDown();
    void ComboBox16DropDown();
    void ComboBox1DropDown();
    void ComboBox16Exit();
    // Its category list, from the categories in their order (when categories changed).
    void fillCategoryList();

    QLabel *Label29; // heading "Neue Pflanze eintragen"
    SuggestionBox *ComboBox1;  // "Kategorie:"
    SuggestionBox *ComboBox16; // "Gattung:"
    QLineEdit *Edit31;         // "Art:"
    QLineEdit *Edit45;         // "Variante:"
    QLineEdit *Edit1;          // "Name:"
    SuggestionBox *ComboBox19; // "Habitat:"
    QLineEdit *Edit37;         // "Mundartlich:"
    QLineEdit *Edit3;          // "Bemerkung:"
    SuggestionBox *ComboBox13; // "Herkunft:"
    QLineEdit *Edit28;         // "Boden:"
    QLineEdit *Edit29;         // "Düngung:"
    QPlainTextEdit *Memo2;     // "Beschreibung:"
    QLineEdit *Edit35;         // "Neue Nummer:"
    QLabel *Label119;          // number status
    QLabel *Label118;          // plant that has the number
    QLineEdit *Edit5;          // "Kaufpreis:"
    QLineEdit *Edit48;         // "Feldnummer:"
    QLineEdit *Edit2;          // "Aussaat/ Pflanzung:"
    QLineEdit *Edit6;          // "Blüte:"
    QLineEdit *Edit7;          // "Topfgröße:"
    QLineEdit *Edit32;         // "Im Bestand seit:"
    SuggestionBox *ComboBox14; // "Standort Sommer:"
    SuggestionBox *ComboBox15; // "Standort Winter:"
    QToolButton *Image5;
    QToolButton *Image3;
    QToolButton *Image16;
    QCalendarWidget *MonthCalendar1; // its tag names the field it fills: 1 Edit2, 2 Edit6, 3 Edit32
    QPushButton *BitBtn1;            // "Speichern"
    QPushButton *BitBtn2;            // "Abbrechen"

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openCalendar(int target);
    // Puts a number into the number field; the check runs even when the text stays the same.
    void setNumberField(int number);
    // The number the field holds in the sense of the check: nothing for an empty field, -1 for a
    // text that is not a whole number (and for -1 itself).
    bool numberFieldUsable() const;
    void updateSaveButton();
    // Highest Nr of all plants + 1 (1 without plants).
    int proposedNumber();
    void composeName(int upTo);
    // The entry fields that saving and cancelling empty; the category box, the number field and
    // (on saving) the habitat box keep their values.
    void clearEntryFields(bool habitatToo);
    void fillDistinct(SuggestionBox *box, const QString &column);
    void fillGenera();
};

} // namespace vindel
