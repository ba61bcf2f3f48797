#pragma once

#include "app/AppWindow.h"

class QCalendarWidget;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace vindel {

class DataGrid;

// "Aktionen": enters one action with one date and text into the diary of every plant of the
// catalogue's current selection ("Start"), and keeps the list of actions: create, change, delete.
class TAktionen : public AppWindow {
    Q_OBJECT
public:
    explicit TAktionen(AppContext &context);

    // Editing state of the action list, kept in the tag of "Neue Aktion anlegen".
    enum EditState { Idle = 0, Creating = 1, Changing = 2 };
    EditState editState() const;

    void FormActivate();
    void DBGrid1CellClick();
    void Image16Click();
    void MonthCalendar1Click();
    void FormKeyDown(int key);
    // Leaving the date field: `next` is the control that takes the focus.
    void Edit1Exit(QWidget *next);
    void BitBtn2Click(); // "Start"
    void BitBtn3Click(); // "Schliessen"
    void BitBtn1Click(); // "Aktion Löschen"
    void BitBtn4Click(); // "Neue Aktion anlegen" / "Speichern" / "Änderung speichern"
    void BitBtn5Click(); // "Aktion  ändern"
    void BitBtn6Click(); // "Abbrechen"
    void Edit7Change();
    void Edit7Click();

    QLabel *SelectionCategory;
    QLabel *SelectionGenus;
    QLabel *SelectionFilter;
    QLabel *SelectionCount;
    QLineEdit *Edit1; // date of the action
    QToolButton *Image16;
    QCalendarWidget *MonthCalendar1;
    DataGrid *DBGrid1; // the actions
    QPushButton *BitBtn5;
    QPushButton *BitBtn1;
    QPushButton *BitBtn4;
    QLineEdit *Edit7; // number of a new action
    QLineEdit *Edit5; // its name
    QLineEdit *Edit6; // its description
    QPushButton *BitBtn6;
    QLineEdit *Edit2; // the entry's date
    QLineEdit *Edit3; // the entry's action
    QLineEdit *Edit4; // the entry's text
    QProgressBar *ProgressBar1;
    QPushButton *BitBtn2;
    QPushButton *BitBtn3;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setEditState(EditState state);
    void showInputs(bool show);
    void takeCurrentAction();
    void reopenActions();
    void fillSelection();
};

} // namespace vindel
