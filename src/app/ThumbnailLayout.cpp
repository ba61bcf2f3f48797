#include "app/ThumbnailLayout.h"

#include <cfenv>
#include <cmath>

namespace vindel::ThumbnailLayout {

namespace {

struct Factors {
    double width, height, left, top;
};

constexpr std::array<Factors, 6> kEnlarged{{
    {1.4, 1.4, 1.0, 1.0},
    {1.4, 1.4, 1.4, 1.0},
    {1.4, 1.4, 1.45, 1.0},
    {1.4, 1.4, 1.0, 1.25},
    {1.4, 1.4, 1.4, 1.25},
    {1.4, 1.4, 1.45, 1.25},
}};

int scaled(int designValue, int current, int design, double factor)
{
    const double v = double(designValue) * double(current) / double(design) * factor;
    // nearbyint rounds halves to even in the default rounding mode.
    return int(std::nearbyint(v));
}

} // namespace

bool useEnlarged(QSize window, int image6Bottom, int printButtonTop)
{
    return window.width() > 1021 && window.height() > 796 && image6Bottom > printButtonTop;
}

Thumbnails layout(const Baseline &b, const QRect &box, bool enlarged)
{
    Thumbnails out;
    for (size_t i = 0; i < out.size(); ++i) {
        const QRect &t = b.thumbnails[i];
        const Factors f = enlarged ? kEnlarged[i] : Factors{1, 1, 1, 1};
        out[i] = QRect(scaled(t.left(), box.left(), b.box.left(), f.left),
                       scaled(t.top(), box.top(), b.box.top(), f.top),
                       scaled(t.width(), box.width(), b.box.width(), f.width),
                       scaled(t.height(), box.height(), b.box.height(), f.height));
    }
    return out;
}

} // namespace vindel::ThumbnailLayout
