#include "catalogue/FieldColours.h"

#include "app/Colours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace vindel {

void paintField(QWidget *field, bool editable)
{
    QPalette p = field->palette();
    const QColor colour = editable ? fromWinColour(kEditableFieldColour) : QApplication::palette().color(QPalette::Base);
    p.setColor(QPalette::Base, colour);
    field->setPalette(p);
}

} // namespace vindel
