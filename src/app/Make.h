#pragma once

#include <QString>
#include <QStringList>

class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

// Controls as every page builds them: named (the name is the object name tests and the frame
// find them by), with their caption and hint.
namespace vindel::make {

QLabel *label(const char *name, const QString &text = {});
QLineEdit *lineEdit(const char *name, const QString &hint = {});
// A long text field; Tab moves on to the next control instead of typing a tab character.
QPlainTextEdit *memo(const char *name, const QString &hint = {});
QPushButton *button(const char *name, const QString &caption, const QString &hint = {});
QGroupBox *groupBox(const char *name, const QString &title);
QComboBox *comboBox(const char *name, const QStringList &items = {});
QCheckBox *checkBox(const char *name, const QString &text);
// The small button beside a date field that shows its date picker ("Kalender anzeigen").
QToolButton *calendarIcon(const char *name);
// A date picker, hidden until its icon is clicked; weeks start on Monday.
QCalendarWidget *datePicker(const char *name, const QString &hint);

} // namespace vindel::make
