#include "data/Money.h"

#include <cmath>
#include <limits>

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

namespace {

// The decimal text of a double at 15 significant digits, written without an
// exponent ("5e-05" becomes "0.00005"), so that it can be parsed exactly.
QString fifteenDigitText(double value)
{
    const QString text = QString::number(value, 'g', 15);
    const qsizetype e = text.indexOf(QLatin1Char('e'));
    if (e < 0)
        return text;
    const int exponent = text.mid(e + 1).toInt();
    QString digits = text.left(e);
    const bool negative = digits.startsWith(QLatin1Char('-'));
    if (negative)
        digits.remove(0, 1);
    digits.remove(QLatin1Char('.'));        // value = d.ddd x 10^exponent
    QString plain;
    if (exponent < 0) {
        plain = QStringLiteral("0.") + QString(-exponent - 1, QLatin1Char('0')) + digits;
    } else if (digits.size() <= exponent + 1) {
        plain = digits + QString(exponent + 1 - digits.size(), QLatin1Char('0'));
    } else {
        plain = digits.left(exponent + 1) + QLatin1Char('.') + digits.mid(exponent + 1);
    }
    return negative ? QLatin1Char('-') + plain : plain;
}

} // namespace

Money Money::fromDouble(double value)
{
    if (!std::isfinite(value))
        return Money();
    // The decimal text of the double at 15 significant digits is the value the
    // user meant; parse it exactly (also for tiny values Qt writes with an
    // exponent, so that 0.00005 rounds half to even like any other half).
    return parse(fifteenDigitText(value)).value_or(Money());
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
    qint64 kept = 0;          // the first four decimals
    int roundDigit = 0;       // the fifth decimal
    bool sticky = false;      // any non-zero decimal after the fifth
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
                if (fracDigits < 4)
                    kept = kept * 10 + d;
                else if (fracDigits == 4)
                    roundDigit = d;
                else if (d != 0)
                    sticky = true;
                ++fracDigits;
            }
        } else if (!seenSep && (c == QLatin1Char('.') || c == decimalSeparator)) {
            seenSep = true;
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    for (int k = fracDigits; k < 4; ++k)
        kept *= 10;
    // Rounding the magnitude half to even is the same as rounding the signed value.
    __int128 magnitude = intPart * Scale + kept;
    if (roundDigit > 5 || (roundDigit == 5 && (sticky || magnitude % 2 != 0)))
        ++magnitude;
    const __int128 limit = negative ? -__int128(std::numeric_limits<qint64>::min())
                                    : __int128(std::numeric_limits<qint64>::max());
    if (magnitude > limit)
        return std::nullopt;                               // beyond the 19-digit range
    return fromRaw(static_cast<qint64>(negative ? -magnitude : magnitude));
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
