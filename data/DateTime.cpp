#include "data/DateTime.h"

#include <cmath>

namespace tarvo {

namespace {
constexpr double SecondsPerDay = 86400.0;
}

DateTime DateTime::fromDate(const QDate &date)
{
    return DateTime(double(epoch().daysTo(date)));
}

namespace {

// A calendar day and a wall-clock time as a day count. Before the epoch the
// fraction still counts forward within the day's magnitude, as the day-count
// model keeps it: -1.25 is 29.12.1899 06:00.
DateTime fromParts(const QDate &date, const QTime &time)
{
    const double day = double(DateTime::epoch().daysTo(date));
    const double secs = double(time.msecsSinceStartOfDay()) / 1000.0;
    return DateTime(day < 0 ? day - secs / SecondsPerDay : day + secs / SecondsPerDay);
}

// The wall-clock time of a day count, to the millisecond.
QTime timeOfDay(double days)
{
    const double frac = std::fabs(days - std::trunc(days));
    qint64 ms = std::llround(frac * SecondsPerDay * 1000.0);
    if (ms >= qint64(SecondsPerDay) * 1000)
        ms = qint64(SecondsPerDay) * 1000 - 1;
    return QTime::fromMSecsSinceStartOfDay(int(ms));
}

} // namespace

DateTime DateTime::fromDateTime(const QDateTime &dateTime)
{
    return fromParts(dateTime.date(), dateTime.time());
}

std::optional<DateTime> DateTime::fromIso(const QString &text)
{
    // The text is a wall-clock value without a time zone. It is read as date
    // and time apart: a QDateTime in local time would reject a time that falls
    // into a daylight-saving gap of the machine's zone.
    const QString t = text.trimmed();
    const QDate d = QDate::fromString(t.left(10), Qt::ISODate);
    if (t.size() < 10 || !d.isValid())
        return std::nullopt;
    if (t.size() == 10)
        return fromDate(d);
    if (t[10] != QLatin1Char(' ') && t[10] != QLatin1Char('T'))
        return std::nullopt;
    const QTime time = QTime::fromString(t.mid(11), Qt::ISODate);
    if (!time.isValid())
        return std::nullopt;
    return fromParts(d, time);
}

DateTime DateTime::today()
{
    return fromDate(QDate::currentDate());
}

int DateTime::wholeDays() const
{
    return static_cast<int>(std::trunc(m_days));
}

QDate DateTime::date() const
{
    return epoch().addDays(wholeDays());
}

QDateTime DateTime::toDateTime() const
{
    return QDateTime(date(), timeOfDay(m_days));
}

QString DateTime::toIso() const
{
    // Formatted from the date and the time of day directly, never through a
    // local-time QDateTime (see fromIso).
    const QTime time = timeOfDay(m_days);
    const QString day = date().toString(Qt::ISODate);
    if (time.msecsSinceStartOfDay() / 1000 == 0)
        return day;
    return day + QLatin1Char(' ') + time.toString(QStringLiteral("HH:mm:ss"));
}

} // namespace tarvo
