#include "photos/AlbumGeometry.h"

#include <algorithm>
#include <cmath>

namespace vindel {

QRect AlbumGeometry::cellRect(int row, int column, int scrollY) const
{
    return QRect(column * kCellWidth, row * kRowHeight - scrollY, kCellWidth, kRowHeight);
}

AlbumGeometry::Cell AlbumGeometry::cellAt(QPoint p, int scrollY) const
{
    const int y = p.y() + scrollY;
    if (p.x() < 0 || y < 0 || p.x() >= kColumns * kCellWidth)
        return {};
    const int row = y / kRowHeight;
    if (row >= rows())
        return {};
    return {row, p.x() / kCellWidth};
}

AlbumGeometry::Rows AlbumGeometry::visibleRows(int viewHeight, int scrollY) const
{
    if (rows() == 0 || viewHeight <= 0)
        return {};
    const int first = std::max(0, scrollY / kRowHeight);
    const int last = std::min(rows() - 1, (scrollY + viewHeight - 1) / kRowHeight);
    return {first, last};
}

QRect AlbumGeometry::pictureRect(QSize picture, const QRect &cell)
{
    if (picture.isEmpty())
        return QRect();
    const int width = int(std::lround(double(picture.width()) * cell.height() / picture.height()));
    return QRect(cell.left(), cell.top(), std::max(1, width), cell.height());
}

} // namespace vindel
