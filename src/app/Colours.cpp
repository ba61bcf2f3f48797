#include "app/Colours.h"

#include <QPalette>
#include <QWidget>

namespace vindel {

QColor fromWinColour(int bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

int toWinColour(const QColor &colour) { return colour.red() | (colour.green() << 8) | (colour.blue() << 16); }

void setBackground(QWidget *widget, int bgr)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, fromWinColour(bgr));
    // Buttons, check boxes among them, fill their background from another role.
    p.setColor(widget->backgroundRole(), fromWinColour(bgr));
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

int backgroundOf(const QWidget *widget) { return toWinColour(widget->palette().color(QPalette::Window)); }

} // namespace vindel
