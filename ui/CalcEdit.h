#pragma once

#include "ui/NumberEdit.h"

namespace tarvo::ui {

class CalculatorPopup;

// A numeric field with a drop-down calculator (the button at its right end,
// Alt+Down or F4). Typing rules of NumberEdit with at most maxDecimals()
// decimals (2 by default); an empty text counts as zero. The calculator's OK
// writes its result, rounded to maxDecimals() half to even, into the field.
// valueChanged() reports every change of the text, typed or set.
class CalcEdit : public NumberEdit
{
    Q_OBJECT
public:
    explicit CalcEdit(QWidget *parent = nullptr);

    Money value() const;
    // Zero gives empty text, any other value its plain number.
    void setValue(Money value);

    void showCalculator();
    CalculatorPopup *calculator() const { return m_popup; }

Q_SIGNALS:
    void valueChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    CalculatorPopup *m_popup;
};

} // namespace tarvo::ui
