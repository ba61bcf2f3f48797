#include "diary/YearCalendar.h"

#include "data/ShortDate.h"

namespace vindel {

namespace {
constexpr int kDateLength = 10; // dd.MM.yyyy
const QString kMarks = QStringLiteral("habcdefg"); // mark of the action numbers 0 ... 7
} // namespace

YearCalendar::YearCalendar(int year, const std::vector<Entry> &entries, const QSet<QString> &actionNumbers)
    : m_geometry(year)
{
    // Dates are found only as written: "1.5.2012" is not the 1st of May's "01.05.2012".
    for (const Entry &e : entries) {
        if (m_markByDate.contains(e.date))
            continue;
        const QString number = e.actionNumber.isEmpty() ? QStringLiteral("0") : e.actionNumber;
        m_markByDate.insert(e.date, actionNumbers.contains(number) ? markOf(number) : QString());
    }
}

QString YearCalendar::cellText(int row, int column) const
{
    if (row == 0)
        return CalendarGeometry::weekdayName(column);
    if (column == 0)
        return CalendarGeometry::monthName(row);
    const QDate day = m_geometry.dateAt(row, column);
    if (!day.isValid())
        return {};
    const QString date = ShortDate::format(day).left(kDateLength);
    return date + m_markByDate.value(date);
}

QString YearCalendar::markOf(const QString &actionNumber)
{
    bool ok = false;
    const int n = actionNumber.toInt(&ok);
    return ok && n >= 0 && n < kMarks.size() && actionNumber.size() == 1 ? QString(kMarks[n]) : QString();
}

QString YearCalendar::actionNumberOf(const QString &cellText)
{
    if (cellText.size() <= kDateLength)
        return {};
    const qsizetype n = kMarks.indexOf(cellText.at(kDateLength));
    return n < 0 ? QString() : QString::number(n);
}

} // namespace vindel
