#include "data/Money.h"

#include <cmath>

namespace tarvo {

qint64 divRoundHalfEven(__int128 value, __int128 divisor)
{
    __int128 q = value / divisor;          // truncated toward zero
    __int128 r = value % divisor;          // same sign as value
    __int128 twice = (r < 0 ? -r : r) * 2;
    if (twice > divisor || (twice == divisor && (q % 2 != 0)))
        q += (value < 0) ? -1 : 1;
    return static_cast<qint64>(q);
}

Money Money::fromDouble(double value)
{
    if (!std::isfinite(value))
        return Money();
    // The decimal text of the double at 15 significant digits is the value the
    // user meant; parse it exactly.
    const QString text = QString::number(value, 'g', 15);
    if (text.contains(QLatin1Char('e'))) {
        return fromRaw(static_cast<qint64>(std::llround(value * double(Scale))));
    }
    return parse(text).value_or(Money());
}

std::optional<Money> Money::parse(QStringView text, QChar decimalSeparator)
{
    text = text.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool negative = false;
    qsizetype i = 0;
    if (text[0] == QLatin1Char('-') || text[0] == QLatin1Char('+')) {
        negative = text[0] == QLatin1Char('-');
        ++i;
    }
    __int128 intPart = 0;
    __int128 frac = 0;
    int fracDigits = 0;
    bool seenSep = false;
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128) {
            anyDigit = true;
            const int d = c.unicode() - '0';
            if (!seenSep) {
                intPart = intPart * 10 + d;
                if (intPart > __int128(922337203685477LL))
                    return std::nullopt;                   // beyond 19 digits
            } else {
                frac = frac * 10 + d;
                ++fracDigits;
                if (fracDigits > 30)
                    return std::nullopt;
            }
        } else if (!seenSep && (c == QLatin1Char('.') || c == decimalSeparator)) {
            seenSep = true;
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    __int128 scaledFrac = frac;
    if (fracDigits <= 4) {
        for (int k = fracDigits; k < 4; ++k)
            scaledFrac *= 10;
    } else {
        __int128 div = 1;
        for (int k = 4; k < fracDigits; ++k)
            div *= 10;
        // Half to even must look at the last kept digit of the whole value.
        const __int128 whole = intPart * Scale * div + frac;
        const qint64 r = divRoundHalfEven(negative ? -whole : whole, div);
        return fromRaw(r);
    }
    const __int128 total = intPart * Scale + scaledFrac;
    return fromRaw(static_cast<qint64>(negative ? -total : total));
}

Money Money::operator*(Money other) const
{
    const __int128 product = __int128(m_raw) * __int128(other.m_raw);
    return fromRaw(divRoundHalfEven(product, Scale));
}

Money Money::rounded(int decimals) const
{
    if (decimals >= 4)
        return *this;
    if (decimals < 0)
        decimals = 0;
    qint64 div = 1;
    for (int k = decimals; k < 4; ++k)
        div *= 10;
    return fromRaw(divRoundHalfEven(m_raw, div) * div);
}

QString Money::toPlainString(QChar decimalSeparator) const
{
    const bool negative = m_raw < 0;
    const unsigned long long a = negative ? 0ULL - static_cast<unsigned long long>(m_raw)
                                          : static_cast<unsigned long long>(m_raw);
    QString s = QString::number(a / Scale);
    unsigned long long frac = a % Scale;
    if (frac != 0) {
        QString f = QString::number(frac).rightJustified(4, QLatin1Char('0'));
        while (f.endsWith(QLatin1Char('0')))
            f.chop(1);
        s += decimalSeparator + f;
    }
    if (negative)
        s.prepend(QLatin1Char('-'));
    return s;
}

} // namespace tarvo
