#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

#include "data/Clock.h"

namespace vindel::ShortDate {

// Output: the German short date "dd.MM.yyyy".
QString format(const QDate &date);
// Date and time as a date-time column reads as text: the date alone when the time is midnight.
QString formatDateTime(const QDateTime &dateTime);

// Input, as lenient as a text-to-date conversion: "d.M.yyyy", "dd.MM.yy", "d.M." (this year of
// the program's clock), blanks around the parts, an optional time "hh:mm[:ss]" after the date.
// Two-digit years below 30 are 20xx, the others 19xx. Returns nothing for "31.02.2012",
// "Frühjahr 2012" or "".
std::optional<QDate> parse(const QString &text, const QDate &today = Clock::today());
std::optional<QDateTime> parseDateTime(const QString &text, const QDate &today = Clock::today());

// Dates and times are kept as the wall-clock values they were written with, never converted
// between time zones: a time in the hour that clocks skip in spring is still that time.
QDateTime wallClock(const QDate &date, const QTime &time = QTime(0, 0));

// How date-time columns are stored in SQLite.
QString toStorage(const QDateTime &dateTime);
QDateTime fromStorage(const QString &stored);

} // namespace vindel::ShortDate
