#include "app/Make.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace vindel::make {

namespace {
template <class T> T *named(T *widget, const char *name, const QString &hint = {})
{
    widget->setObjectName(QLatin1String(name));
    if (!hint.isEmpty())
        widget->setToolTip(hint);
    return widget;
}
} // namespace

QLabel *label(const char *name, const QString &text) { return named(new QLabel(text), name); }

QLineEdit *lineEdit(const char *name, const QString &hint) { return named(new QLineEdit, name, hint); }

QPlainTextEdit *memo(const char *name, const QString &hint)
{
    auto *m = named(new QPlainTextEdit, name, hint);
    m->setTabChangesFocus(true);
    return m;
}

QPushButton *button(const char *name, const QString &caption, const QString &hint)
{
    return named(new QPushButton(caption), name, hint);
}

QGroupBox *groupBox(const char *name, const QString &title) { return named(new QGroupBox(title), name); }

QComboBox *comboBox(const char *name, const QStringList &items)
{
    auto *c = named(new QComboBox, name);
    c->addItems(items);
    return c;
}

QCheckBox *checkBox(const char *name, const QString &text) { return named(new QCheckBox(text), name); }

QToolButton *calendarIcon(const char *name)
{
    auto *b = named(new QToolButton, name, QStringLiteral("Kalender anzeigen"));
    b->setText(QStringLiteral("…"));
    return b;
}

QCalendarWidget *datePicker(const char *name, const QString &hint)
{
    auto *c = named(new QCalendarWidget, name, hint);
    c->setFirstDayOfWeek(Qt::Monday);
    c->setGridVisible(true);
    c->hide();
    return c;
}

} // namespace vindel::make
