#pragma once

#include "catalogue/SuggestionBox.h"

#include <QObject>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace vindel {

class AppContext;

// The editing mode of the plant box on the main view, and its buttons: "Daten ändern" /
// "Speichern", "Abbrechen", "Löschen", "Duplizieren". It works on the main view's read-only
// fields (found by their object names) and lays its own editing boxes exactly over them.
class PlantEditing : public QObject {
    Q_OBJECT
public:
    // page: the Hauptansicht page, whose plant box holds the fields.
    PlantEditing(AppContext &context, QWidget *page);

    void BitBtn3Click();  // "Daten ändern" / "Speichern"
    void BitBtn4Click();  // "Abbrechen"
    void BitBtn5Click();  // "Löschen"
    void BitBtn22Click(); // "Duplizieren"
    void Edit15Change();  // name check while editing
    void Edit46Click();   // opens the number dialog

    // Suggestion lists of the editing boxes.
    void ComboBox12DropDown();
    void ComboBox10DropDown();
    void ComboBox11DropDown();
    void ComboBox18DropDown();
    void ComboBox17DropDown();
    void ComboBox22DropDown();
    void ComboBox23DropDown();

    bool editing() const;
    bool duplicating() const; // the plant box keeps the fields being copied

    QPushButton *BitBtn3;  // tag 1 while editing
    QPushButton *BitBtn4;
    QPushButton *BitBtn5;
    QPushButton *BitBtn22; // tag 1 while a duplication runs
    SuggestionBox *ComboBox12; // Herkunft, over Edit9
    SuggestionBox *ComboBox10; // Sommer, over Edit14
    SuggestionBox *ComboBox11; // Winter, over Edit27
    SuggestionBox *ComboBox18; // Vorkommen, over Edit25
    SuggestionBox *ComboBox17; // Familie, over Edit34
    SuggestionBox *ComboBox22; // Art, over Edit4
    SuggestionBox *ComboBox23; // Variante, over Edit30

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *field(const char *name) const;
    SuggestionBox *overlay(const char *name, QLineEdit *under, const char *column);
    void keepOver(QWidget *box, QWidget *under);
    void setBrowsing();
    void setEditing();
    void writeFields();

    AppContext &ctx;
    QWidget *m_page;
    qint64 m_editedId = 0;          // the plant the editing mode began on
    QWidget *m_plantBox;
    QLabel *m_number;               // Label125
    QLineEdit *m_numberField;       // Edit46
    QComboBox *m_category;          // ComboBox2, over Edit16
    QLineEdit *m_categoryField;     // Edit16
    QCheckBox *m_numbered;          // CheckBox1
    QCheckBox *m_labelled;          // CheckBox2
    QComboBox *m_listPhoto;         // ComboBox7
    std::vector<QLineEdit *> m_editable;          // fields typed into directly
    std::vector<std::pair<QWidget *, QWidget *>> m_overlays; // box, field under it
    std::vector<QWidget *> m_grids;
    std::vector<QWidget *> m_calendarIcons;
};

} // namespace vindel
