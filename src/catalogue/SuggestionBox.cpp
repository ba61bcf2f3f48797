#include "catalogue/SuggestionBox.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace vindel {

SuggestionBox::SuggestionBox(const QString &objectName, QWidget *parent) : QComboBox(parent)
{
    setObjectName(objectName);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Inline completion would change the text while the user types (and so the composed name).
    setCompleter(nullptr);
    setMaxVisibleItems(20);
}

void SuggestionBox::setSuggestions(const QStringList &values)
{
    const QString text = currentText();
    const int cursor = lineEdit() ? lineEdit()->cursorPosition() : 0;
    {
        // Filling an empty box would otherwise make its first item the text.
        const QSignalBlocker block(this);
        clear();
        addItems(values);
        setCurrentIndex(-1);
        setEditText(text);
        if (lineEdit())
            lineEdit()->setCursorPosition(cursor);
    }
}

QStringList SuggestionBox::suggestions() const
{
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items << itemText(i);
    return items;
}

void SuggestionBox::showPopup()
{
    if (onDropDown)
        onDropDown();
    QComboBox::showPopup();
}

void SuggestionBox::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    // Opening the own list, a message box or another window takes the focus only for a while;
    // that is not leaving the box.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        emit exited();
}

} // namespace vindel
