#include "data/ShortDate.h"

#include <cstdio>

namespace vindel::ShortDate {

QString format(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QString formatDateTime(const QDateTime &dateTime)
{
    if (!dateTime.isValid())
        return QString();
    if (dateTime.time() == QTime(0, 0))
        return format(dateTime.date());
    return format(dateTime.date()) + dateTime.time().toString(QStringLiteral(" hh:mm:ss"));
}

namespace {

struct Parsed {
    QDate date;
    QTime time;
};

// A small hand-written scanner: dates are converted in bulk (diary back-fill, appends), where a
// regular expression per value is measurable.
class Scanner {
public:
    explicit Scanner(QStringView s) : m_s(s) {}
    void blanks()
    {
        while (m_i < m_s.size() && m_s[m_i].isSpace())
            ++m_i;
    }
    bool take(QChar c)
    {
        if (m_i < m_s.size() && m_s[m_i] == c) {
            ++m_i;
            return true;
        }
        return false;
    }
    // Reads 1 to maxDigits ASCII digits; -1 when there is none.
    int number(int maxDigits, int *digits = nullptr)
    {
        int value = 0, n = 0;
        while (m_i < m_s.size() && n < maxDigits && m_s[m_i] >= QLatin1Char('0') && m_s[m_i] <= QLatin1Char('9')) {
            value = value * 10 + (m_s[m_i].unicode() - '0');
            ++m_i;
            ++n;
        }
        if (digits)
            *digits = n;
        return n ? value : -1;
    }
    bool atEnd() const { return m_i >= m_s.size(); }
    bool atDigit() const
    {
        return m_i < m_s.size() && m_s[m_i] >= QLatin1Char('0') && m_s[m_i] <= QLatin1Char('9');
    }

private:
    QStringView m_s;
    qsizetype m_i = 0;
};

std::optional<Parsed> parseParts(const QString &text, const QDate &today)
{
    Scanner sc(text);
    sc.blanks();
    const int day = sc.number(2);
    sc.blanks();
    if (day < 0 || !sc.take(QLatin1Char('.')))
        return std::nullopt;
    sc.blanks();
    const int month = sc.number(2);
    if (month < 0)
        return std::nullopt;
    sc.blanks();
    int year = today.year();
    if (sc.take(QLatin1Char('.'))) {
        sc.blanks();
        int digits = 0;
        const int y = sc.number(4, &digits);
        if (y >= 0) {
            year = digits <= 2 ? y + (y < 30 ? 2000 : 1900) : y;
            if (sc.atDigit())
                return std::nullopt;
        }
    }
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    QTime time(0, 0);
    sc.blanks();
    if (!sc.atEnd()) {
        const int h = sc.number(2);
        if (h < 0 || !sc.take(QLatin1Char(':')))
            return std::nullopt;
        int digits = 0;
        const int m = sc.number(2, &digits);
        if (digits != 2)
            return std::nullopt;
        int sec = 0;
        if (sc.take(QLatin1Char(':'))) {
            sec = sc.number(2, &digits);
            if (digits != 2)
                return std::nullopt;
        }
        sc.blanks();
        if (!sc.atEnd())
            return std::nullopt;
        time = QTime(h, m, sec);
        if (!time.isValid())
            return std::nullopt;
    }
    return Parsed{date, time};
}

} // namespace

std::optional<QDate> parse(const QString &text, const QDate &today)
{
    const auto p = parseParts(text, today);
    if (!p)
        return std::nullopt;
    return p->date;
}

std::optional<QDateTime> parseDateTime(const QString &text, const QDate &today)
{
    const auto p = parseParts(text, today);
    if (!p)
        return std::nullopt;
    return wallClock(p->date, p->time);
}

QDateTime wallClock(const QDate &date, const QTime &time) { return QDateTime(date, time, Qt::UTC); }

QString toStorage(const QDateTime &dateTime)
{
    if (!dateTime.isValid())
        return QString();
    const QDate d = dateTime.date();
    const QTime t = dateTime.time();
    char buf[32];
    const int n = std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", d.year(), d.month(), d.day(),
                                t.hour(), t.minute(), t.second());
    return QString::fromLatin1(buf, n);
}

QDateTime fromStorage(const QString &stored)
{
    // "yyyy-MM-dd hh:mm:ss", "yyyy-MM-ddThh:mm[:ss]" and plain dates; a zone written after the
    // time is passed over, the wall-clock value is kept.
    const QDate date = QDate::fromString(stored.left(10), Qt::ISODate);
    if (!date.isValid())
        return QDateTime();
    if (stored.size() == 10)
        return wallClock(date);
    QTime time = QTime::fromString(stored.mid(11, 8), Qt::ISODate);
    if (!time.isValid())
        time = QTime::fromString(stored.mid(11, 5), QStringLiteral("hh:mm"));
    return time.isValid() ? wallClock(date, time) : QDateTime();
}

} // namespace vindel::ShortDate
