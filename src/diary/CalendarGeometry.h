#pragma once

#include <QDate>
#include <QString>

namespace vindel {

// The year calendar's grid: row 0 holds the weekday names, column 0 the month names; month m
// stands in row m, each day in the column of its weekday, so that a month starts in column 1 to 7
// (Monday to Sunday) and the names "Mo" ... "So" repeat from column 1. Cells are 20 pixels, the
// month names' column 90.
class CalendarGeometry {
public:
    static constexpr int kRows = 13;
    static constexpr int kColumns = 38;
    static constexpr int kCellSize = 20;
    static constexpr int kMonthColumnWidth = 90;

    explicit CalendarGeometry(int year) : m_year(year) {}
    int year() const { return m_year; }

    // The column of a day (1 ... 37), or 0 when the month has no such day.
    int columnOf(int month, int day) const;
    // The day a cell shows; an invalid date for a cell outside the month's days.
    QDate dateAt(int row, int column) const;
    // The weekday name over a day column ("Mo" ... "So").
    static QString weekdayName(int column);
    static QString monthName(int month);
    static bool isWeekendColumn(int column);

    // Pixels.
    static int columnLeft(int column);
    static int columnWidth(int column) { return column == 0 ? kMonthColumnWidth : kCellSize; }
    // The cell under a point of the grid; false when there is none.
    static bool cellAt(int x, int y, int *row, int *column);

private:
    int m_year;
};

} // namespace vindel
