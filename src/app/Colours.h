#pragma once

#include <QColor>

class QWidget;

namespace vindel {

// Colours are kept as Windows colour values 0xBBGGRR (so they read the same in the database).
QColor fromWinColour(int bgr);
int toWinColour(const QColor &colour);

// Fills the widget's background with the colour; children keep their own backgrounds.
void setBackground(QWidget *widget, int bgr);
// The colour a widget's background is filled with, as 0xBBGGRR.
int backgroundOf(const QWidget *widget);

} // namespace vindel
