#pragma once

#include "data/Money.h"

#include <QLineEdit>

namespace tarvo::ui {

class NumberValidator;

// A one-line edit for a decimal number: a typed "," or "." becomes the
// locale's decimal separator (unless it is the group separator); a typed
// character that would not leave a valid number (see NumberValidator) is
// refused with a beep and reported by inputRefused(). Pasted text is checked
// by the same rule. Base of CurrencyEdit and CalcEdit.
class NumberEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit NumberEdit(QWidget *parent = nullptr);

    // Digits allowed after the decimal separator (2 by default).
    void setMaxDecimals(int decimals);
    int maxDecimals() const;

    // The number a text of the field stands for; an empty or incomplete
    // text ("", "-", ",") reads as zero.
    Money textValue(const QString &text) const;
    QChar decimalSeparator() const;

Q_SIGNALS:
    // A typed character was refused.
    void inputRefused();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    NumberValidator *m_validator;
};

} // namespace tarvo::ui
