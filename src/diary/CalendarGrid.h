#pragma once

#include "diary/YearCalendar.h"

#include <QColor>
#include <QHash>
#include <QWidget>
#include <optional>

namespace vindel {

// The year calendar's grid StringGrid1: it paints the cells of a YearCalendar, each day marked
// with an action in that action's colour, weekends light yellow, and reports clicked cells.
class CalendarGrid : public QWidget {
    Q_OBJECT
public:
    explicit CalendarGrid(QWidget *parent = nullptr);

    void setCalendar(const YearCalendar &calendar);
    const YearCalendar &calendar() const { return *m_calendar; }
    // Action number -> colour; a number without one paints white.
    void setActionColours(const QHash<QString, QColor> &colours);

    // The colour a cell is painted in.
    QColor cellColour(int row, int column) const;
    QSize sizeHint() const override;

signals:
    void cellClicked(int row, int column);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    std::optional<YearCalendar> m_calendar;
    QHash<QString, QColor> m_colours;
};

// The legend StringGrid2 "Meine angelegten Aktivitäten:": a header row and one row per action
// (number, name, remark), each row in its action's colour.
class ActionLegend : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRows = 9;
    static constexpr int kRowHeight = 20;

    struct Row {
        QString number, name, remark;
        QColor colour;
    };

    explicit ActionLegend(QWidget *parent = nullptr);
    void setRows(std::vector<Row> rows);
    const std::vector<Row> &rows() const { return m_rows; }
    QString cellText(int row, int column) const;
    QColor rowColour(int row) const;
    QSize sizeHint() const override;

signals:
    void rowClicked(int row);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    std::vector<Row> m_rows;
};

// The frame and text rule both grids share: a black 1-pixel frame around the fill, black text
// 3 pixels in from the top-left corner.
void paintFramedCell(QPainter &painter, const QRect &cell, const QColor &fill, const QString &text);

} // namespace vindel
