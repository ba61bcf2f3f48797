#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

namespace vindel::ShortDate {

// Output: the German short date "dd.MM.yyyy".
QString format(const QDate &date);
// Date and time as a date-time column reads as text: the date alone when the time is midnight.
QString formatDateTime(const QDateTime &dateTime);

// Input, as lenient as a text-to-date conversion: "d.M.yyyy", "dd.MM.yy", "d.M." (this year),
// blanks around the parts, an optional time "hh:mm[:ss]" after the date. Two-digit years below
// 30 are 20xx, the others 19xx. Returns nothing for "31.02.2012", "Frühjahr 2012" or "".
std::optional<QDate> parse(const QString &text, const QDate &today = QDate::currentDate());
std::optional<QDateTime> parseDateTime(const QString &text, const QDate &today = QDate::currentDate());

// How date-time columns are stored in SQLite.
QString toStorage(const QDateTime &dateTime);
QDateTime fromStorage(const QString &stored);

} // namespace vindel::ShortDate
