#include "data/ShortDate.h"

#include <QRegularExpression>

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

std::optional<Parsed> parseParts(const QString &text, const QDate &today)
{
    static const QRegularExpression re(QStringLiteral(
        "^\\s*(\\d{1,2})\\s*\\.\\s*(\\d{1,2})\\s*(?:\\.\\s*(\\d{1,4})?)?"
        "(?:\\s+(\\d{1,2}):(\\d{2})(?::(\\d{2}))?)?\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int day = m.captured(1).toInt();
    const int month = m.captured(2).toInt();
    int year = today.year();
    const QString y = m.captured(3);
    if (!y.isEmpty()) {
        year = y.toInt();
        if (y.size() <= 2)
            year += year < 30 ? 2000 : 1900;
    }
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    QTime time(0, 0);
    if (!m.captured(4).isEmpty()) {
        time = QTime(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).isEmpty() ? 0 : m.captured(6).toInt());
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
    return QDateTime(p->date, p->time);
}

QString toStorage(const QDateTime &dateTime)
{
    return dateTime.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QDateTime fromStorage(const QString &stored)
{
    QDateTime dt = QDateTime::fromString(stored, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    if (!dt.isValid())
        dt = QDateTime::fromString(stored, Qt::ISODate);
    return dt;
}

} // namespace vindel::ShortDate
