#pragma once

#include <QRect>
#include <QSize>
#include <array>

namespace vindel::ThumbnailLayout {

// The six thumbnails of the plant box, in the order Image1, Image2, Image4, Image6, Image7, Image8.
using Thumbnails = std::array<QRect, 6>;

// Geometry of the plant box and its thumbnails as designed.
struct Baseline {
    QRect box;
    Thumbnails thumbnails;
    bool valid() const { return box.width() > 0 && box.height() > 0 && box.left() > 0 && box.top() > 0; }
};

// The enlarged layout applies when the window is wider than 1021 and higher than 796 pixels and
// the bottom of Image6 (in the plant box) lies below the top of the print button (in the page).
bool useEnlarged(QSize window, int image6Bottom, int printButtonTop);

// Each thumbnail scaled with the plant box: widths and heights with its size, lefts and tops with
// its position; the enlarged layout multiplies by fixed factors. Rounded half to even.
Thumbnails layout(const Baseline &baseline, const QRect &box, bool enlarged);

} // namespace vindel::ThumbnailLayout
