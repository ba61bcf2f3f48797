#include "photos/PhotoDisplay.h"

#include <algorithm>

namespace vindel {

namespace {

// a * b / c rounded half up, in 64 bits so that camera-sized pictures cannot overflow.
int mulDivRound(qint64 a, qint64 b, qint64 c)
{
    return int((2 * a * b + c) / (2 * c));
}

} // namespace

QSize fitInside(QSize picture, QSize frame)
{
    if (picture.width() <= 0 || picture.height() <= 0)
        return QSize();
    if (frame.width() <= 0 || frame.height() <= 0)
        return picture;
    const qint64 pw = picture.width(), ph = picture.height();
    const qint64 fw = frame.width(), fh = frame.height();
    int w, h;
    // Compare fw/pw with fh/ph without division: the smaller ratio limits.
    if (fw * ph <= fh * pw) {
        w = int(fw);
        h = mulDivRound(ph, fw, pw);
    } else {
        h = int(fh);
        w = mulDivRound(pw, fh, ph);
    }
    return QSize(std::clamp(w, 1, int(fw)), std::clamp(h, 1, int(fh)));
}

QSize displaySize(QSize picture, QSize frame, FitMode mode)
{
    if (mode == FitMode::ShrinkOnly && picture.width() <= frame.width() && picture.height() <= frame.height())
        return picture.width() > 0 && picture.height() > 0 ? picture : QSize();
    return fitInside(picture, frame);
}

QRect displayRect(QSize picture, QSize frame, FitMode mode, Qt::Alignment alignment)
{
    const QSize s = displaySize(picture, frame, mode);
    if (s.isEmpty())
        return QRect();
    int x = 0, y = 0;
    if (alignment & Qt::AlignHCenter)
        x = (frame.width() - s.width()) / 2;
    else if (alignment & Qt::AlignRight)
        x = frame.width() - s.width();
    if (alignment & Qt::AlignVCenter)
        y = (frame.height() - s.height()) / 2;
    else if (alignment & Qt::AlignBottom)
        y = frame.height() - s.height();
    return QRect(QPoint(x, y), s);
}

} // namespace vindel
