#pragma once

#include <QDate>
#include <QDateTime>
#include <functional>

namespace vindel::Clock {

// The program's clock. The data layer asks it for "today" (a date typed without a year takes
// this year); the program installs its own clock, so that tests can fix the day.
QDateTime now();
QDate today();

using Source = std::function<QDateTime()>;
// An empty source goes back to the system clock.
void install(Source source);

} // namespace vindel::Clock
