#include "diary/CalendarGeometry.h"

namespace vindel {

int CalendarGeometry::columnOf(int month, int day) const
{
    const QDate first(m_year, month, 1);
    if (!first.isValid() || day < 1 || day > first.daysInMonth())
        return 0;
    return first.dayOfWeek() + day - 1;
}

QDate CalendarGeometry::dateAt(int row, int column) const
{
    if (row < 1 || row > 12 || column < 1)
        return QDate();
    const QDate first(m_year, row, 1);
    const int day = column - first.dayOfWeek() + 1;
    return day >= 1 && day <= first.daysInMonth() ? QDate(m_year, row, day) : QDate();
}

QString CalendarGeometry::weekdayName(int column)
{
    static const char *const names[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
    return column < 1 ? QString() : QLatin1String(names[(column - 1) % 7]);
}

QString CalendarGeometry::monthName(int month)
{
    static const char *const names[] = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                                        "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
    return month >= 1 && month <= 12 ? QString::fromUtf8(names[month - 1]) : QString();
}

bool CalendarGeometry::isWeekendColumn(int column) { return column >= 1 && (column - 1) % 7 >= 5; }

int CalendarGeometry::columnLeft(int column)
{
    return column == 0 ? 0 : kMonthColumnWidth + (column - 1) * kCellSize;
}

bool CalendarGeometry::cellAt(int x, int y, int *row, int *column)
{
    if (x < 0 || y < 0)
        return false;
    const int r = y / kCellSize;
    const int c = x < kMonthColumnWidth ? 0 : 1 + (x - kMonthColumnWidth) / kCellSize;
    if (r >= kRows || c >= kColumns)
        return false;
    *row = r;
    *column = c;
    return true;
}

} // namespace vindel
