#include "photos/AlbumGrid.h"

#include "photos/ThumbnailLoader.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace vindel {

AlbumGrid::AlbumGrid(ThumbnailLoader &loader, QWidget *parent)
    : QAbstractScrollArea(parent), m_loader(loader),
      m_pictures(loader, kRequesters, QSize(256, AlbumGeometry::kRowHeight))
{
    setObjectName(QStringLiteral("StringGrid2"));
    setToolTip(QStringLiteral("Bild anzeigen mit Doppelklick!"));
    viewport()->setCursor(Qt::PointingHandCursor);
    verticalScrollBar()->setSingleStep(AlbumGeometry::kRowHeight / 5);
    connect(&m_pictures, &VisiblePictures::arrived, this, &AlbumGrid::pictureArrived);
}

AlbumGrid::~AlbumGrid() = default;

void AlbumGrid::setCells(const QStringList &paths)
{
    m_cells = paths;
    m_geometry = AlbumGeometry(int(paths.size()));
    m_pictures.clear();
    updateScrollRange();
    requestVisible();
    // The rest get their thumbnails made on disk while nothing else is to be done.
    QStringList rest;
    for (const QString &p : paths)
        if (!p.isEmpty())
            rest << p;
    m_loader.prefetch(rest);
    viewport()->update();
}

QString AlbumGrid::cellText(int row, int column) const
{
    return m_cells.value(AlbumGeometry::index(row, column));
}

void AlbumGrid::setBackgroundColour(const QColor &colour)
{
    m_background = colour;
    viewport()->update();
}

int AlbumGrid::scrollY() const { return verticalScrollBar()->value(); }

void AlbumGrid::updateScrollRange()
{
    const QSize content = m_geometry.contentSize();
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setRange(0, std::max(0, content.height() - viewport()->height()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - viewport()->width()));
}

void AlbumGrid::requestVisible()
{
    const AlbumGeometry::Rows rows = m_geometry.visibleRows(viewport()->height(), scrollY());
    std::vector<VisiblePictures::Cell> inSight;
    for (int row = rows.first; row <= rows.last; ++row)
        for (int column = 0; column < AlbumGeometry::kColumns; ++column)
            if (const int index = AlbumGeometry::index(row, column); index < m_cells.size())
                inSight.emplace_back(index, m_cells[index]);
    // Pictures far out of sight are let go.
    m_pictures.show(inSight, [&rows](int index) {
        const int row = index / AlbumGeometry::kColumns;
        return row >= rows.first - 2 && row <= rows.last + 2;
    });
}

void AlbumGrid::pictureArrived(int index)
{
    const int row = index / AlbumGeometry::kColumns, column = index % AlbumGeometry::kColumns;
    viewport()->update(m_geometry.cellRect(row, column, scrollY()).translated(-horizontalScrollBar()->value(), 0));
}

void AlbumGrid::paintEvent(QPaintEvent *)
{
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), m_background);
    const int dx = -horizontalScrollBar()->value();
    const AlbumGeometry::Rows rows = m_geometry.visibleRows(viewport()->height(), scrollY());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int row = rows.first; row <= rows.last; ++row) {
        for (int column = 0; column < AlbumGeometry::kColumns; ++column) {
            const int index = AlbumGeometry::index(row, column);
            const QImage picture = m_pictures.picture(index);
            if (picture.isNull())
                continue;
            const QRect cell = m_geometry.cellRect(row, column, scrollY()).translated(dx, 0);
            p.save();
            p.setClipRect(cell);
            p.drawImage(AlbumGeometry::pictureRect(picture.size(), cell), picture);
            p.restore();
        }
    }
}

void AlbumGrid::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
    requestVisible();
}

void AlbumGrid::scrollContentsBy(int, int)
{
    requestVisible();
    viewport()->update();
}

void AlbumGrid::mousePressEvent(QMouseEvent *event)
{
    const AlbumGeometry::Cell cell =
        m_geometry.cellAt(event->position().toPoint() + QPoint(horizontalScrollBar()->value(), 0), scrollY());
    if (cell.valid())
        emit cellSelected(cell.row, cell.column);
    QAbstractScrollArea::mousePressEvent(event);
}

void AlbumGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    const AlbumGeometry::Cell cell =
        m_geometry.cellAt(event->position().toPoint() + QPoint(horizontalScrollBar()->value(), 0), scrollY());
    if (cell.valid())
        emit cellDoubleClicked(cell.row, cell.column);
}

} // namespace vindel
