#pragma once

#include <QMetaType>
#include <QString>
#include <QStringView>

#include <compare>
#include <cstdint>
#include <optional>

namespace tarvo {

// An exact currency amount: a signed count of ten-thousandths (four decimal
// places, up to 19 digits). Every rounding is to the nearest value with an
// exact half going to the even neighbour. No operation passes through double.
class Money
{
public:
    static constexpr qint64 Scale = 10000;

    constexpr Money() = default;

    static constexpr Money fromRaw(qint64 tenThousandths) { Money m; m.m_raw = tenThousandths; return m; }
    static constexpr Money fromUnits(qint64 whole) { return fromRaw(whole * Scale); }
    // Rounds to four decimals, half to even on the decimal value the double shows
    // with 15 significant digits (so 0.1 gives exactly 0.1).
    static Money fromDouble(double value);
    // Parses "-12.3456", "12,5", "0.5", ".5"; `decimalSeparator` is accepted
    // besides '.'. More than four decimals are rounded half to even.
    // No thousands separators, no exponent. Empty or malformed text: nullopt.
    static std::optional<Money> parse(QStringView text, QChar decimalSeparator = QLatin1Char('.'));

    constexpr qint64 raw() const { return m_raw; }
    double toDouble() const { return double(m_raw) / double(Scale); }
    constexpr bool isZero() const { return m_raw == 0; }

    constexpr Money operator-() const { return fromRaw(-m_raw); }
    constexpr Money operator+(Money o) const { return fromRaw(m_raw + o.m_raw); }
    constexpr Money operator-(Money o) const { return fromRaw(m_raw - o.m_raw); }
    constexpr Money &operator+=(Money o) { m_raw += o.m_raw; return *this; }
    constexpr Money &operator-=(Money o) { m_raw -= o.m_raw; return *this; }
    // Amount times a whole count: exact.
    constexpr Money operator*(qint64 count) const { return fromRaw(m_raw * count); }
    // Product of two amounts (an amount times a rate): formed on the scaled
    // values and rounded to four decimals, half to even.
    Money operator*(Money other) const;

    // Rounded to `decimals` (0..4) places, half to even: 12.50 -> 12, 13.50 -> 14.
    Money rounded(int decimals) const;
    Money roundedToWhole() const { return rounded(0); }

    // Shortest decimal form: no trailing zeros, at most four decimals,
    // no thousands separator ("12.5", "-0.0001", "3").
    QString toPlainString(QChar decimalSeparator = QLatin1Char('.')) const;

    constexpr auto operator<=>(const Money &) const = default;

private:
    qint64 m_raw = 0;
};

// Divides by 10^digits, rounding half to even. Helper shared by the rounding code.
qint64 divRoundHalfEven(__int128 value, __int128 divisor);

} // namespace tarvo

Q_DECLARE_METATYPE(tarvo::Money)
