#pragma once

#include <QValidator>

namespace tarvo::ui {

// Accepts the text of a number field while it is being typed: an optional
// leading "-", digits (at most MaxIntegerDigits before the separator), at
// most one decimal separator and at most `maxDecimals` digits after it.
// "." and "," are written as the locale's decimal separator unless the
// character is the locale's group separator. Partial texts such as "", "-",
// "12," are accepted.
class NumberValidator : public QValidator
{
    Q_OBJECT
public:
    // Keeps every value within the range of tarvo::Money.
    static constexpr int MaxIntegerDigits = 14;

    explicit NumberValidator(int maxDecimals, QObject *parent = nullptr);

    void setMaxDecimals(int decimals);
    int maxDecimals() const { return m_maxDecimals; }

    // `text` with "." and "," written as the decimal separator (see above).
    QString normalized(const QString &text) const;
    State validate(QString &input, int &pos) const override;

private:
    int m_maxDecimals;
};

} // namespace tarvo::ui
