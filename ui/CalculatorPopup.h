#pragma once

#include "data/Money.h"

#include <QFrame>

class QLabel;

namespace tarvo::ui {

// The drop-down calculator of a CalcEdit: digits, the decimal separator,
// + - * /, =, C (clear), backspace and OK. Arithmetic is exact on Money with
// four decimals (products and quotients rounded half to even); division by
// zero shows an error until the next key. OK (or Enter) finishes a pending
// operation, emits accepted() with the result and closes the popup; Escape
// closes it without a result. Keys: digits, "," ".", + - * /, = Enter,
// Backspace, Delete (C), Escape.
class CalculatorPopup : public QFrame
{
    Q_OBJECT
public:
    explicit CalculatorPopup(QWidget *parent = nullptr);

    // Starts a new calculation from `value`.
    void setValue(Money value);
    // The number in the display; zero while it shows an error.
    Money value() const;
    QString displayText() const;
    bool hasError() const { return m_error; }

    // One key of the calculator: "0".."9", "," (or "."), "+", "-", "*", "/",
    // "=", "C", "<" (backspace), "OK".
    void press(const QString &key);

Q_SIGNALS:
    void accepted(tarvo::Money value);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    Money current() const;
    void applyPending();
    void updateDisplay();

    QLabel *m_display;
    QString m_entry;         // the number being typed; empty: show m_accumulator
    Money m_accumulator;
    QChar m_pending;         // operation waiting for its second operand
    bool m_fresh = true;     // the next digit starts a new number
    bool m_error = false;
};

} // namespace tarvo::ui
