#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace vindel {

// Where the album grid's cells lie: five columns of 180 pixels, rows of 125, row after row; a
// photo i stands in row i / 5, column i % 5. The grid scrolls vertically by whole pixels.
class AlbumGeometry {
public:
    static constexpr int kColumns = 5;
    static constexpr int kCellWidth = 180;
    static constexpr int kRowHeight = 125;

    explicit AlbumGeometry(int photos = 0) : m_photos(photos) {}

    int photos() const { return m_photos; }
    int rows() const { return (m_photos + kColumns - 1) / kColumns; }
    QSize contentSize() const { return {kColumns * kCellWidth, rows() * kRowHeight}; }

    // The cell in content coordinates (scrolled by scrollY in view coordinates).
    QRect cellRect(int row, int column, int scrollY = 0) const;
    // The cell under a point of the view, or row -1 when there is none.
    struct Cell {
        int row = -1;
        int column = -1;
        bool valid() const { return row >= 0; }
    };
    Cell cellAt(QPoint viewPoint, int scrollY = 0) const;
    // Rows that a view of the height shows at scrollY, at least partly: first to last inclusive
    // (last < first when none).
    struct Rows {
        int first = 0;
        int last = -1;
    };
    Rows visibleRows(int viewHeight, int scrollY) const;
    static int index(int row, int column) { return row * kColumns + column; }

    // A picture drawn at the cell's full height, its width following its aspect ratio, from the
    // cell's left edge (the painter clips a very wide one to its cell).
    static QRect pictureRect(QSize picture, const QRect &cell);

private:
    int m_photos;
};

} // namespace vindel
