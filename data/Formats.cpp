#include "data/Formats.h"

#include <cmath>
#include <cstdlib>

namespace tarvo::fmt {

namespace {

// Rewrites a number written with ASCII digits, '.' and '-' in the locale's
// digits, decimal separator and minus sign. Other characters stay as they are.
QString localized(QStringView ascii, const QLocale &locale)
{
    const QList<uint> zero = locale.zeroDigit().toUcs4();
    const char32_t zeroDigit = zero.isEmpty() ? U'0' : char32_t(zero.front());
    QString out;
    out.reserve(ascii.size());
    for (const QChar c : ascii) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            const char32_t digit = zeroDigit + char32_t(c.unicode() - '0');
            out += QString::fromUcs4(&digit, 1);
        } else if (c == QLatin1Char('.')) {
            out += locale.decimalPoint();
        } else if (c == QLatin1Char('-')) {
            out += locale.negativeSign();
        } else {
            out += c;
        }
    }
    return out;
}

// A money value rounded half to even to whole hundredths, split for display.
struct Hundredths
{
    bool negative = false;   // false for a value that rounds to zero
    quint64 whole = 0;
    int cents = 0;
};

Hundredths toHundredths(Money value)
{
    const qint64 r = divRoundHalfEven(value.raw(), Money::Scale / 100);
    Hundredths h;
    h.negative = r < 0;
    const quint64 a = h.negative ? 0ULL - static_cast<quint64>(r) : static_cast<quint64>(r);
    h.whole = a / 100;
    h.cents = int(a % 100);
    return h;
}

QString twoDigits(int n)
{
    return QString::number(n).rightJustified(2, QLatin1Char('0'));
}

} // namespace

QString moneyPlain(Money value, const QLocale &locale)
{
    return localized(value.toPlainString(QLatin1Char('.')), locale);
}

QString moneyHash00(Money value, const QLocale &locale)
{
    const Hundredths h = toHundredths(value);
    QString s;
    if (h.negative)
        s += QLatin1Char('-');
    if (h.whole != 0)
        s += QString::number(h.whole);
    s += QLatin1Char('.') + twoDigits(h.cents);
    return localized(s, locale);
}

QString currency(Money value, const QLocale &locale)
{
    // Always grouped, whatever number options the caller's locale carries.
    QLocale l = locale;
    l.setNumberOptions(QLocale::DefaultNumberOptions);

    const Hundredths h = toHundredths(value);
    // The integer overload groups exactly, in the locale's group sizes.
    const QString number = l.toString(static_cast<qulonglong>(h.whole)) + l.decimalPoint()
        + localized(twoDigits(h.cents), l);

    // Where the symbol and the sign go is taken from the locale's own currency
    // text of a sample amount: its number is replaced by the exact one.
    constexpr double Sample = 1234.56;
    const QString sample = l.toCurrencyString(h.negative ? -Sample : Sample, QString(), 2);
    const QString sampleNumber = l.toString(Sample, 'f', 2);
    const qsizetype at = sample.indexOf(sampleNumber);
    if (at < 0) {
        const QString sign = h.negative ? l.negativeSign() : QString();
        return sign + number + QChar(0x00A0) + l.currencySymbol();
    }
    return sample.left(at) + number + sample.mid(at + sampleNumber.size());
}

QString date(DateTime value, const QString &pattern, const QLocale &locale)
{
    const QDate d = value.date();
    if (!d.isValid())
        return QString();
    auto number = [&locale](int n, int width) {
        return localized(QString::number(n).rightJustified(width, QLatin1Char('0')), locale);
    };

    QString out;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        if (c != QLatin1Char('d') && c != QLatin1Char('m') && c != QLatin1Char('y')) {
            out += c;
            ++i;
            continue;
        }
        // A run of one letter; longer than four, the rest starts a new run.
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c && run < 4)
            ++run;
        i += run;
        if (c == QLatin1Char('d')) {
            switch (run) {
            case 1: out += number(d.day(), 1); break;
            case 2: out += number(d.day(), 2); break;
            case 3: out += locale.dayName(d.dayOfWeek(), QLocale::ShortFormat); break;
            default: out += locale.dayName(d.dayOfWeek(), QLocale::LongFormat); break;
            }
        } else if (c == QLatin1Char('m')) {
            switch (run) {
            case 1: out += number(d.month(), 1); break;
            case 2: out += number(d.month(), 2); break;
            case 3: out += locale.monthName(d.month(), QLocale::ShortFormat); break;
            default: {
                const QString name = locale.standaloneMonthName(d.month(), QLocale::LongFormat);
                out += locale.toUpper(name.left(1)) + name.mid(1);
                break;
            }
            }
        } else {
            // "y" and "yy": the year in two digits; "yyy" and "yyyy": in four.
            if (run <= 2)
                out += number(std::abs(d.year()) % 100, 2);
            else
                out += number(d.year(), 4);
        }
    }
    return out;
}

QString shortDatePattern(const QLocale &locale)
{
    // The locale's short form with every year field widened to four digits;
    // quoted literal text is left alone.
    const QString base = locale.dateFormat(QLocale::ShortFormat);
    QString out;
    bool quoted = false;
    qsizetype i = 0;
    while (i < base.size()) {
        const QChar c = base[i];
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
        } else if (!quoted && c == QLatin1Char('y')) {
            while (i < base.size() && base[i] == QLatin1Char('y'))
                ++i;
            out += QLatin1String("yyyy");
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}

QString shortDate(DateTime value, const QLocale &locale)
{
    const QDate d = value.date();
    if (!d.isValid())
        return QString();
    return locale.toString(d, shortDatePattern(locale));
}

std::optional<DateTime> parseShortDate(const QString &text, const QLocale &locale)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    const QString pattern = shortDatePattern(locale);
    QDate d = locale.toDate(t, pattern);
    if (!d.isValid()) {
        // Day and month may also be typed without their leading zero ("5.3.2026").
        QString relaxed = pattern;
        relaxed.replace(QLatin1String("dd"), QLatin1String("d"));
        relaxed.replace(QLatin1String("MM"), QLatin1String("M"));
        d = locale.toDate(t, relaxed);
    }
    if (!d.isValid())
        return std::nullopt;
    return DateTime::fromDate(d);
}

QString floatGeneral(double value, const QLocale &locale)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return localized(value < 0 ? u"-INF" : u"INF", locale);
    if (value == 0.0)
        return localized(u"0", locale);

    // Fifteen significant digits as "d.dddddddddddddde±x", then written plainly
    // or with an exponent, without the trailing zeros of the digits.
    const QString e = QString::number(value, 'e', 14);
    const qsizetype at = e.indexOf(QLatin1Char('e'));
    const int exponent = e.mid(at + 1).toInt();
    QString digits = e.left(at);
    const bool negative = digits.startsWith(QLatin1Char('-'));
    if (negative)
        digits.remove(0, 1);
    digits.remove(QLatin1Char('.'));
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);

    QString s;
    if (exponent >= 15 || exponent < -5) {
        s = digits.left(1);
        if (digits.size() > 1)
            s += QLatin1Char('.') + digits.mid(1);
        s += QLatin1Char('E') + QString::number(exponent);
    } else if (exponent < 0) {
        s = QStringLiteral("0.") + QString(-exponent - 1, QLatin1Char('0')) + digits;
    } else if (digits.size() <= exponent + 1) {
        s = digits + QString(exponent + 1 - digits.size(), QLatin1Char('0'));
    } else {
        s = digits.left(exponent + 1) + QLatin1Char('.') + digits.mid(exponent + 1);
    }
    if (negative)
        s.prepend(QLatin1Char('-'));
    return localized(s, locale);
}

} // namespace tarvo::fmt
