#include "diary/CalendarGrid.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

namespace vindel {

namespace {
const QColor kWeekend = QColor(0xFF, 0xFF, 0x5B); // 0x5BFFFF as the program stores colours
const int kLegendWidths[3] = {24, 102, 243};
} // namespace

void paintFramedCell(QPainter &painter, const QRect &cell, const QColor &fill, const QString &text)
{
    painter.fillRect(cell, fill);
    painter.setPen(Qt::black);
    painter.drawRect(cell.adjusted(0, 0, -1, -1));
    painter.drawText(cell.adjusted(3, 3, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
}

CalendarGrid::CalendarGrid(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("StringGrid1"));
    setToolTip(QStringLiteral("Klicken zur Anzeige!"));
    setCursor(Qt::PointingHandCursor);
}

void CalendarGrid::setCalendar(const YearCalendar &calendar)
{
    m_calendar.emplace(calendar);
    update();
}

void CalendarGrid::setActionColours(const QHash<QString, QColor> &colours)
{
    m_colours = colours;
    update();
}

QColor CalendarGrid::cellColour(int row, int column) const
{
    if (row == 0 || column == 0)
        return palette().color(QPalette::Button);
    if (m_calendar) {
        const QString number = YearCalendar::actionNumberOf(m_calendar->cellText(row, column));
        if (!number.isEmpty())
            return m_colours.value(number, Qt::white);
    }
    return CalendarGeometry::isWeekendColumn(column) ? kWeekend : palette().color(QPalette::Base);
}

QSize CalendarGrid::sizeHint() const
{
    return {CalendarGeometry::columnLeft(CalendarGeometry::kColumns - 1) + CalendarGeometry::kCellSize + 1,
            CalendarGeometry::kRows * CalendarGeometry::kCellSize + 1};
}

void CalendarGrid::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    for (int row = 0; row < CalendarGeometry::kRows; ++row) {
        for (int column = 0; column < CalendarGeometry::kColumns; ++column) {
            const QRect cell(CalendarGeometry::columnLeft(column), row * CalendarGeometry::kCellSize,
                             CalendarGeometry::columnWidth(column) + 1, CalendarGeometry::kCellSize + 1);
            const QString text = m_calendar ? m_calendar->cellText(row, column) : QString();
            // Day cells show the day's number only: the first two characters of the date.
            paintFramedCell(p, cell, cellColour(row, column), column == 0 ? text : text.left(2));
        }
    }
}

void CalendarGrid::mousePressEvent(QMouseEvent *event)
{
    int row = 0, column = 0;
    if (CalendarGeometry::cellAt(event->position().toPoint().x(), event->position().toPoint().y(), &row, &column))
        emit cellClicked(row, column);
}

ActionLegend::ActionLegend(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("StringGrid2"));
    setToolTip(QStringLiteral("In die Zeile Klicken zum Farbe ändern!"));
    setCursor(Qt::PointingHandCursor);
}

void ActionLegend::setRows(std::vector<Row> rows)
{
    if (rows.size() > size_t(kRows - 1))
        rows.resize(size_t(kRows - 1));
    m_rows = std::move(rows);
    update();
}

QString ActionLegend::cellText(int row, int column) const
{
    if (row == 0)
        return column == 1 ? QStringLiteral("Bezeichnung") : column == 2 ? QStringLiteral("Bemerkung") : QString();
    if (row < 1 || row > int(m_rows.size()))
        return {};
    const Row &r = m_rows[size_t(row - 1)];
    return column == 0 ? r.number : column == 1 ? r.name : r.remark;
}

QColor ActionLegend::rowColour(int row) const
{
    if (row < 1 || row > int(m_rows.size()))
        return palette().color(QPalette::Button);
    return m_rows[size_t(row - 1)].colour;
}

QSize ActionLegend::sizeHint() const
{
    return {kLegendWidths[0] + kLegendWidths[1] + kLegendWidths[2] + 1, kRows * kRowHeight + 1};
}

void ActionLegend::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    for (int row = 0; row < kRows; ++row) {
        int left = 0;
        for (int column = 0; column < 3; ++column) {
            const QRect cell(left, row * kRowHeight, kLegendWidths[column] + 1, kRowHeight + 1);
            paintFramedCell(p, cell, rowColour(row), cellText(row, column));
            left += kLegendWidths[column];
        }
    }
}

void ActionLegend::mousePressEvent(QMouseEvent *event)
{
    const int row = int(event->position().y()) / kRowHeight;
    if (row >= 0 && row < kRows)
        emit rowClicked(row);
}

} // namespace vindel
