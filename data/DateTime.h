#pragma once

#include <QDate>
#include <QDateTime>
#include <QMetaType>
#include <QString>

#include <compare>
#include <optional>

namespace tarvo {

// A moment as a day count: day 0 is 30.12.1899, the fraction is the time of
// day. The whole days of a value are its truncated day number. Dates the
// program writes carry no time of day.
class DateTime
{
public:
    constexpr DateTime() = default;
    constexpr explicit DateTime(double days) : m_days(days) {}

    static QDate epoch() { return QDate(1899, 12, 30); }
    static DateTime fromDate(const QDate &date);
    static DateTime fromDateTime(const QDateTime &dateTime);
    // The store's text form: "2026-03-31" or "2026-03-31 14:05:00" (also with 'T').
    static std::optional<DateTime> fromIso(const QString &text);
    static DateTime today();

    constexpr double days() const { return m_days; }
    // The truncated day number.
    int wholeDays() const;
    // The value without its time of day.
    DateTime dateOnly() const { return DateTime(double(wholeDays())); }
    QDate date() const;
    QDateTime toDateTime() const;
    // "yyyy-MM-dd", with " HH:mm:ss" only when the value has a time of day.
    QString toIso() const;

    constexpr auto operator<=>(const DateTime &) const = default;

private:
    double m_days = 0.0;
};

} // namespace tarvo

Q_DECLARE_METATYPE(tarvo::DateTime)
