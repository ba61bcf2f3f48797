#pragma once

#include <QRect>
#include <QSize>

namespace vindel {

// How a slot shows its picture. Thumbnails scale up or down to the largest size that fits their
// frame; the large literature photo only ever shrinks.
enum class FitMode { Stretch, ShrinkOnly };

// The largest size with the picture's aspect ratio that fits into frame (rounded, at least 1 × 1).
// An empty picture gives an empty size; an empty frame leaves the picture as it is.
QSize fitInside(QSize picture, QSize frame);

// The size a picture is shown at in a frame under the given rule.
QSize displaySize(QSize picture, QSize frame, FitMode mode);

// Where in the frame (frame coordinates) the picture is drawn.
QRect displayRect(QSize picture, QSize frame, FitMode mode, Qt::Alignment alignment = Qt::AlignCenter);

} // namespace vindel
