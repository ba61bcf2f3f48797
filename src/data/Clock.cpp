#include "data/Clock.h"

namespace vindel::Clock {

namespace {
Source &source()
{
    static Source s;
    return s;
}
} // namespace

QDateTime now() { return source() ? source()() : QDateTime::currentDateTime(); }

QDate today() { return now().date(); }

void install(Source s) { source() = std::move(s); }

} // namespace vindel::Clock
