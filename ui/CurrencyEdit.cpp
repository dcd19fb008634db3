#include "ui/CurrencyEdit.h"

#include "data/Formats.h"

#include <QFocusEvent>

namespace tarvo::ui {

CurrencyEdit::CurrencyEdit(QWidget *parent)
    : NumberEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setMaxDecimals(2);
    connect(this, &QLineEdit::textChanged, this, &CurrencyEdit::onTextChanged);
}

QString CurrencyEdit::editingText(Money value) const
{
    return value.isZero() ? QString() : fmt::moneyPlain(value, locale());
}

QString CurrencyEdit::displayText(Money value) const
{
    return value.isZero() ? QString() : fmt::currency(value, locale());
}

QString CurrencyEdit::editText() const
{
    return m_editing ? text() : m_editText;
}

Money CurrencyEdit::value() const
{
    return textValue(editText());
}

void CurrencyEdit::setValue(Money value)
{
    m_editText = editingText(value);
    rewrite(m_editing ? m_editText : displayText(value));
    Q_EMIT valueTextChanged();
}

void CurrencyEdit::rewrite(const QString &text)
{
    m_silent = true;
    setText(text);
    m_silent = false;
}

void CurrencyEdit::onTextChanged(const QString &text)
{
    if (m_silent)
        return;
    if (!m_editing) {
        // Text set from outside while the field shows the currency display.
        const Money value = textValue(text);
        m_editText = editingText(value);
        rewrite(displayText(value));
    }
    Q_EMIT valueTextChanged();
}

void CurrencyEdit::focusInEvent(QFocusEvent *event)
{
    if (!m_editing) {
        m_editing = true;
        // Rewritten before the base class selects the text on a Tab.
        rewrite(editingText(textValue(m_editText)));
    }
    NumberEdit::focusInEvent(event);
}

void CurrencyEdit::focusOutEvent(QFocusEvent *event)
{
    NumberEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason || !m_editing)
        return;   // the field's own context menu: still editing
    const Money value = textValue(text());
    m_editing = false;
    m_editText = editingText(value);
    rewrite(displayText(value));
}

} // namespace tarvo::ui
