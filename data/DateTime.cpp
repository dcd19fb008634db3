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

DateTime DateTime::fromDateTime(const QDateTime &dateTime)
{
    const double day = double(epoch().daysTo(dateTime.date()));
    const double secs = double(dateTime.time().msecsSinceStartOfDay()) / 1000.0;
    // Before the epoch the fraction still counts forward within the day's
    // magnitude, as the day-count model keeps it: -1.25 is 29.12.1899 06:00.
    return DateTime(day < 0 ? day - secs / SecondsPerDay : day + secs / SecondsPerDay);
}

std::optional<DateTime> DateTime::fromIso(const QString &text)
{
    const QString t = text.trimmed();
    if (t.size() == 10) {
        const QDate d = QDate::fromString(t, Qt::ISODate);
        if (!d.isValid())
            return std::nullopt;
        return fromDate(d);
    }
    QString norm = t;
    if (norm.size() > 10 && norm[10] == QLatin1Char(' '))
        norm[10] = QLatin1Char('T');
    const QDateTime dt = QDateTime::fromString(norm, Qt::ISODate);
    if (!dt.isValid())
        return std::nullopt;
    return fromDateTime(dt);
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
    const double frac = std::fabs(m_days - std::trunc(m_days));
    qint64 ms = std::llround(frac * SecondsPerDay * 1000.0);
    if (ms >= qint64(SecondsPerDay) * 1000)
        ms = qint64(SecondsPerDay) * 1000 - 1;
    return QDateTime(date(), QTime::fromMSecsSinceStartOfDay(int(ms)));
}

QString DateTime::toIso() const
{
    const QDateTime dt = toDateTime();
    if (dt.time().msecsSinceStartOfDay() / 1000 == 0)
        return dt.date().toString(Qt::ISODate);
    return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace tarvo
