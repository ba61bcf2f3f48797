#pragma once

#include "app/Page.h"

#include <vector>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace vindel {

class DataGrid;

// The address book: contacts searched by a column on the left, the current one's details on the
// right, where contacts are made and changed.
class KontaktePage : public Page {
    Q_OBJECT
public:
    explicit KontaktePage(AppContext &context);

    void pageShown() override { TabSheet7Show(); }
    void TabSheet7Show();
    void Edit26Change();
    void BitBtn25Click(); // "Neuer Kontakt" / "Speichern"
    void BitBtn23Click(); // "Daten ändern" / "Speichern"
    void BitBtn24Click(); // "Abbrechen"
    void deleteContact(); // the navigator's delete, Ctrl+Delete in the grid

    enum class Mode { View, New, Change };
    Mode mode() const { return m_mode; }

    // The filter of a search: contacts whose column starts with the text; empty for all.
    static QString searchFilter(const QString &column, const QString &text);

    QGroupBox *GroupBox6; // "Alle Kontakte"
    QGroupBox *GroupBox7; // "Kontaktdetails"
    QComboBox *ComboBox20; // search column
    QLineEdit *Edit26;     // search text
    DataGrid *DBGrid3;
    QWidget *DBNavigator3;
    QToolButton *NavigatorFirst, *NavigatorNext, *NavigatorLast, *NavigatorDelete;
    QComboBox *ComboBox9; // Anrede, over its field while editing
    QPlainTextEdit *Bemerkungen;
    QPushButton *BitBtn25, *BitBtn23, *BitBtn24;
    // The detail field of a column ("Nachname" ...).
    QLineEdit *field(const QString &column) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct DetailField {
        QLineEdit *edit;
        QString column;
    };
    void showContact();
    void setEditable(bool editable);
    void writeFields();
    void saveContact();
    void endEditing();
    std::vector<DetailField> m_fields;
    Mode m_mode = Mode::View;
};

} // namespace vindel
