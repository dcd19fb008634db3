#include "ui/NumberValidator.h"

#include <algorithm>

namespace tarvo::ui {

NumberValidator::NumberValidator(int maxDecimals, QObject *parent)
    : QValidator(parent)
    , m_maxDecimals(std::max(0, maxDecimals))
{
}

void NumberValidator::setMaxDecimals(int decimals)
{
    m_maxDecimals = std::max(0, decimals);
    Q_EMIT changed();
}

QString NumberValidator::normalized(const QString &text) const
{
    const QString decimal = locale().decimalPoint();
    const QString group = locale().groupSeparator();
    QString result = text;
    for (QChar &c : result) {
        if ((c == QLatin1Char('.') || c == QLatin1Char(',')) && QString(c) != group && !decimal.isEmpty())
            c = decimal.at(0);
    }
    return result;
}

QValidator::State NumberValidator::validate(QString &input, int &) const
{
    input = normalized(input);
    const QString decimal = locale().decimalPoint();
    const QChar separator = decimal.isEmpty() ? QLatin1Char('.') : decimal.at(0);
    qsizetype i = 0;
    if (i < input.size() && input.at(i) == QLatin1Char('-'))
        ++i;
    int integerDigits = 0;
    int decimals = 0;
    bool seenSeparator = false;
    for (; i < input.size(); ++i) {
        const QChar c = input.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            if (seenSeparator)
                ++decimals;
            else
                ++integerDigits;
        } else if (c == separator && !seenSeparator && m_maxDecimals > 0) {
            seenSeparator = true;
        } else {
            return Invalid;
        }
    }
    if (integerDigits > MaxIntegerDigits || decimals > m_maxDecimals)
        return Invalid;
    return Acceptable;
}

} // namespace tarvo::ui
