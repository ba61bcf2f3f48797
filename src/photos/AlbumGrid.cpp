#include "photos/AlbumGrid.h"

#include "photos/PhotoSlots.h"
#include "photos/ThumbnailLoader.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace vindel {

AlbumGrid::AlbumGrid(ThumbnailLoader &loader, QWidget *parent)
    : QAbstractScrollArea(parent), m_loader(loader), m_firstRequester(loader.reserveRequesters(kRequesters))
{
    setObjectName(QStringLiteral("StringGrid2"));
    setToolTip(QStringLiteral("Bild anzeigen mit Doppelklick!"));
    viewport()->setCursor(Qt::PointingHandCursor);
    verticalScrollBar()->setSingleStep(AlbumGeometry::kRowHeight / 5);
    connect(&m_loader, &ThumbnailLoader::ready, this, &AlbumGrid::onReady);
}

AlbumGrid::~AlbumGrid()
{
    for (int i = 0; i < kRequesters; ++i)
        m_loader.cancel(m_firstRequester + i);
}

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

// One request per cell in sight; a requester that served a cell now out of sight serves another,
// which drops what it still had queued.
void AlbumGrid::requestVisible()
{
    const AlbumGeometry::Rows rows = m_geometry.visibleRows(viewport()->height(), scrollY());
    QHash<int, QImage> kept;
    int requester = 0;
    for (int row = rows.first; row <= rows.last; ++row) {
        for (int column = 0; column < AlbumGeometry::kColumns; ++column) {
            const int index = AlbumGeometry::index(row, column);
            if (index >= m_cells.size())
                break;
            if (m_pictures.contains(index)) {
                kept.insert(index, m_pictures.value(index));
                continue;
            }
            if (m_cells[index].isEmpty() || requester >= kRequesters)
                continue;
            const int r = m_firstRequester + requester++;
            m_cellOfRequester.insert(r, index);
            m_loader.request(r, m_cells[index], QSize(256, AlbumGeometry::kRowHeight), FitMode::Stretch);
        }
    }
    for (auto it = kept.cbegin(); it != kept.cend(); ++it)
        m_pictures.insert(it.key(), it.value());
    // Pictures far out of sight are let go.
    for (auto it = m_pictures.begin(); it != m_pictures.end();) {
        const int row = it.key() / AlbumGeometry::kColumns;
        if (row < rows.first - 2 || row > rows.last + 2)
            it = m_pictures.erase(it);
        else
            ++it;
    }
    // Requesters not used this time ask for nothing any more.
    for (int i = requester; i < kRequesters; ++i) {
        m_loader.cancel(m_firstRequester + i);
        m_cellOfRequester.remove(m_firstRequester + i);
    }
}

void AlbumGrid::onReady(int requester, quint64, const PhotoLoadResult &result)
{
    const auto it = m_cellOfRequester.constFind(requester);
    if (it == m_cellOfRequester.cend())
        return;
    const int index = *it;
    // A file that cannot be read shows the photo-missing placeholder, made once.
    m_pictures.insert(index, result.ok() ? result.image : placeholderImage(Placeholder::PhotoMissing));
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
            const QImage picture = m_pictures.value(index);
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
