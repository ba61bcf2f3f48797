#pragma once

#include "photos/AlbumGeometry.h"
#include "photos/VisiblePictures.h"

#include <QAbstractScrollArea>
#include <QHash>
#include <QImage>
#include <QStringList>

namespace vindel {

class ThumbnailLoader;

// The album's grid StringGrid2: five photos a row, each cell holding a photo's full path (or
// nothing). It paints; where cells lie is AlbumGeometry's, the pictures come from the shared
// thumbnail loader: one request per visible cell, so that scrolling replaces what is stale, and
// the rows out of sight get their thumbnails made on disk meanwhile.
class AlbumGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    AlbumGrid(ThumbnailLoader &loader, QWidget *parent = nullptr);
    ~AlbumGrid() override;

    // The cells, in order; an empty text is an empty cell.
    void setCells(const QStringList &paths);
    const QStringList &cells() const { return m_cells; }
    QString cellText(int row, int column) const;
    void clearCells() { setCells({}); }

    void setBackgroundColour(const QColor &colour);
    const AlbumGeometry &geometry() const { return m_geometry; }
    int scrollY() const;
    // The picture a cell shows now (null while it is on its way or the cell is empty).
    QImage shownPicture(int index) const { return m_pictures.picture(index); }

signals:
    void cellSelected(int row, int column);
    void cellDoubleClicked(int row, int column);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void updateScrollRange();
    void requestVisible();
    void pictureArrived(int index);

    static constexpr int kRequesters = 64; // more than a screen of cells
    ThumbnailLoader &m_loader;
    QStringList m_cells;
    AlbumGeometry m_geometry;
    QColor m_background = Qt::white;
    VisiblePictures m_pictures;
};

} // namespace vindel
