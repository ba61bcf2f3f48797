#pragma once

#include "diary/CalendarGeometry.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <vector>

namespace vindel {

// What the cells of the year calendar hold. Row 0 names the weekdays, column 0 the months; a day
// cell holds the day's date as short date text and, when the diary has an entry written on
// exactly that date whose action exists, the mark letter of that action: "h" for the observation
// (number 0), "a" to "g" for the actions 1 to 7.
class YearCalendar {
public:
    struct Entry {
        QString date;         // Datum as stored
        QString actionNumber; // Aktionkenner; empty counts as "0"
    };

    // entries: in the diary cursor's order; the first entry of a day decides its mark.
    YearCalendar(int year, const std::vector<Entry> &entries, const QSet<QString> &actionNumbers);

    const CalendarGeometry &geometry() const { return m_geometry; }
    QString cellText(int row, int column) const;

    static QString markOf(const QString &actionNumber);
    // The action number whose mark a day cell carries; empty when it carries none.
    static QString actionNumberOf(const QString &cellText);

private:
    CalendarGeometry m_geometry;
    QHash<QString, QString> m_markByDate; // short date text -> mark
};

} // namespace vindel
