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

// Where the thumbnails stand in a plant box of the given size. The photos take the room between
// the fields above them and the row of check boxes and buttons below (which keeps its distance
// from the box's bottom): the grid of two rows of three keeps its design proportions and grows
// or shrinks with that room, aligned with the fields, so that a larger window shows larger photos and
// no photo ever covers another or the row below. At the design size: the design geometry.
Thumbnails layout(const Baseline &baseline, QSize box);

} // namespace vindel::ThumbnailLayout
