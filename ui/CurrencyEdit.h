#pragma once

#include "ui/NumberEdit.h"

namespace tarvo::ui {

// The price field: a number with at most two decimals (typing rules of
// NumberEdit), no limits, a leading "-" allowed, right-aligned.
//
// Texts: while the field has the focus it shows the editing text; when the
// program sets a value, and when the field gains or loses the focus, the
// editing text is rewritten from the value: zero gives empty text, any other
// value its plain number ("12,5"). Without the focus the field displays the
// value in the system currency format ("1 234,50 ₽"; zero stays empty).
//
// valueTextChanged() is emitted for typed changes and for values set by the
// program, never for the field's own rewriting on gaining or losing the
// focus. So a zero set by the program leaves isTextEmpty() true, while a
// typed "0" is non-empty text until the field rewrites it.
class CurrencyEdit : public NumberEdit
{
    Q_OBJECT
public:
    explicit CurrencyEdit(QWidget *parent = nullptr);

    // The value of the editing text (empty text: zero).
    Money value() const;
    // Sets the value from the program and emits valueTextChanged().
    void setValue(Money value);

    // The editing text, also while the field shows the currency display.
    QString editText() const;
    bool isTextEmpty() const { return editText().isEmpty(); }

Q_SIGNALS:
    void valueTextChanged();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void onTextChanged(const QString &text);
    // Replaces the shown text without reporting a change.
    void rewrite(const QString &text);
    QString editingText(Money value) const;
    QString displayText(Money value) const;

    QString m_editText;     // the editing text while the field is not being edited
    bool m_editing = false; // has the focus (a popup menu of its own does not end it)
    bool m_silent = false;
};

} // namespace tarvo::ui
