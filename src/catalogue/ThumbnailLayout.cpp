#include "catalogue/ThumbnailLayout.h"

#include <algorithm>
#include <cmath>

namespace vindel::ThumbnailLayout {

Thumbnails layout(const Baseline &b, QSize box)
{
    QRect area0;
    for (const QRect &t : b.thumbnails)
        area0 = area0.united(t);
    // The room grows by what the box grows; the fields above and the row below keep their size.
    const double width = area0.width() + box.width() - b.box.width();
    const double height = area0.height() + box.height() - b.box.height();
    const double scale = std::max(0.0, std::min(width / area0.width(), height / area0.height()));
    const double left = area0.left();

    Thumbnails out;
    for (size_t i = 0; i < out.size(); ++i) {
        const QRect &t = b.thumbnails[i];
        // Edges are rounded, not sizes, so that neighbours keep their design gap.
        const int x0 = int(std::lround(left + (t.left() - area0.left()) * scale));
        const int y0 = int(std::lround(area0.top() + (t.top() - area0.top()) * scale));
        const int x1 = int(std::lround(left + (t.left() + t.width() - area0.left()) * scale));
        const int y1 = int(std::lround(area0.top() + (t.top() + t.height() - area0.top()) * scale));
        out[i] = QRect(x0, y0, std::max(1, x1 - x0), std::max(1, y1 - y0));
    }
    return out;
}

} // namespace vindel::ThumbnailLayout
