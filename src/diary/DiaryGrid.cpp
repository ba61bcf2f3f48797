#include "diary/DiaryGrid.h"

#include "photos/AlbumGeometry.h"
#include "photos/Placeholders.h"
#include "photos/VisiblePictures.h"

#include <QAbstractTableModel>
#include <QFileInfo>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace vindel {

class DiaryGrid::Model : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    std::vector<DiaryGridRow> rows;

    void reset(std::vector<DiaryGridRow> replacement)
    {
        beginResetModel();
        rows = std::move(replacement);
        endResetModel();
    }

    static QString textOf(const DiaryGridRow &row, int column)
    {
        switch (column) {
        case DateColumn: return row.date;
        case ActionColumn: return row.action;
        case TextColumn: return row.text;
        case PhotoColumn: return row.photoPath;
        case IdColumn: return row.id;
        }
        return {};
    }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(rows.size());
    }
    int columnCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : kColumnCount;
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || role != Qt::DisplayRole)
            return {};
        return textOf(rows[size_t(index.row())], index.column());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        static const char *const titles[] = {"Datum", "Aktion", "Eintrag", "Bild", ""};
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumnCount)
            return {};
        return QString::fromUtf8(titles[section]);
    }
};

// Paints every entry cell: the brush of the row (the selected row on the window colour), then
// the text from the top-left corner with its own line breaks and no wrapping, or the photo.
class DiaryGrid::Painter : public QStyledItemDelegate {
public:
    explicit Painter(DiaryGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QRect cell = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        p->save();
        p->setClipRect(cell);
        p->fillRect(cell, selected ? m_grid->palette().color(QPalette::Base) : m_grid->m_background);
        const DiaryGridRow &row = m_grid->m_model->rows[size_t(index.row())];
        if (index.column() == PhotoColumn) {
            const QImage picture = m_grid->shownPicture(index.row() + 1);
            if (!picture.isNull()) {
                p->setRenderHint(QPainter::SmoothPixmapTransform);
                const bool placeholder = row.photoPath.isEmpty() || !QFileInfo::exists(row.photoPath);
                p->drawImage(placeholder ? cell : AlbumGeometry::pictureRect(picture.size(), cell), picture);
            }
        } else if (index.column() != IdColumn) {
            QString text = Model::textOf(row, index.column());
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            p->setPen(Qt::black);
            p->setFont(option.font);
            p->drawText(cell, Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs, text);
        }
        p->restore();
    }

private:
    DiaryGrid *m_grid;
};

DiaryGrid::DiaryGrid(ThumbnailLoader &loader, QWidget *parent)
    : QTableView(parent), m_model(new Model(this)),
      m_pictures(new VisiblePictures(loader, 24, QSize(256, kRowHeight), this))
{
    setObjectName(QStringLiteral("StringGrid1"));
    setModel(m_model);
    setItemDelegate(new Painter(this));
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setShowGrid(true);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setVerticalScrollMode(ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont grid(QStringLiteral("Arial"));
    grid.setPixelSize(13);
    setFont(grid);

    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    QHeaderView *header = horizontalHeader();
    header->setFixedHeight(kHeaderHeight);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignTop);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setHighlightSections(false);
    header->setStyleSheet(QStringLiteral("QHeaderView::section { background-color: palette(button); color: black;"
                                         " padding-left: 3px; padding-top: 3px; border: 0px;"
                                         " border-right: 1px solid palette(mid); border-bottom: 1px solid palette(mid); }"));
    const int widths[kColumnCount] = {86, 124, 598, 98, 35};
    for (int c = 0; c < kColumnCount; ++c)
        setColumnWidth(c, widths[c]);

    connect(m_pictures, &VisiblePictures::arrived, this, &DiaryGrid::pictureArrived);
    connect(this, &QTableView::clicked, this, [this](const QModelIndex &index) {
        emit cellClicked(index.row() + 1, index.column());
    });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        if (current.isValid())
            emit cellSelected(current.row() + 1, current.column());
    });
}

DiaryGrid::~DiaryGrid() = default;

void DiaryGrid::setRows(std::vector<DiaryGridRow> rows)
{
    m_pictures->clear();
    m_model->reset(std::move(rows));
    if (!m_model->rows.empty()) {
        const QSignalBlocker quiet(selectionModel());
        setCurrentIndex(m_model->index(0, 0));
    }
    scrollToTop();
    requestVisible();
}

const std::vector<DiaryGridRow> &DiaryGrid::rows() const { return m_model->rows; }

int DiaryGrid::gridRowCount() const { return int(m_model->rows.size()) + 1; }

QString DiaryGrid::cellText(int gridRow, int column) const
{
    if (gridRow == 0)
        return m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    if (gridRow < 1 || gridRow > int(m_model->rows.size()))
        return {};
    return Model::textOf(m_model->rows[size_t(gridRow - 1)], column);
}

int DiaryGrid::selectedGridRow() const { return currentIndex().isValid() ? currentIndex().row() + 1 : 0; }

void DiaryGrid::setBackgroundColour(const QColor &colour)
{
    m_background = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    viewport()->setAutoFillBackground(true);
    QPalette v = viewport()->palette();
    v.setColor(QPalette::Base, colour);
    v.setColor(QPalette::Window, colour);
    viewport()->setPalette(v);
    viewport()->update();
}

QImage DiaryGrid::shownPicture(int gridRow) const
{
    if (gridRow < 1 || gridRow > int(m_model->rows.size()))
        return {};
    const QString &path = m_model->rows[size_t(gridRow - 1)].photoPath;
    if (path.isEmpty())
        return placeholderImage(Placeholder::OwnPhoto);
    // A file that went away after the grid was filled.
    if (!QFileInfo::exists(path))
        return placeholderImage(Placeholder::PhotoMissing);
    return m_pictures->picture(gridRow - 1);
}

// One request per entry row in sight; pictures a few rows away are kept for scrolling back.
void DiaryGrid::requestVisible()
{
    const int count = int(m_model->rows.size());
    if (count == 0)
        return;
    int first = rowAt(0);
    int last = rowAt(viewport()->height() - 1);
    if (first < 0)
        first = 0;
    if (last < 0)
        last = std::min(count - 1, first + viewport()->height() / kRowHeight + 1);
    std::vector<VisiblePictures::Cell> inSight;
    for (int r = first; r <= last; ++r)
        inSight.emplace_back(r, m_model->rows[size_t(r)].photoPath);
    m_pictures->show(inSight, [first, last](int r) { return r >= first - 4 && r <= last + 4; });
}

void DiaryGrid::pictureArrived(int entry)
{
    viewport()->update(visualRect(m_model->index(entry, PhotoColumn)));
}

void DiaryGrid::enterEvent(QEnterEvent *event)
{
    QTableView::enterEvent(event);
    setFocus();
}

void DiaryGrid::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    requestVisible();
}

void DiaryGrid::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    requestVisible();
}

} // namespace vindel
