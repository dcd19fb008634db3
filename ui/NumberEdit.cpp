#include "ui/NumberEdit.h"

#include "ui/NumberValidator.h"

#include <QApplication>
#include <QKeyEvent>

namespace tarvo::ui {

NumberEdit::NumberEdit(QWidget *parent)
    : QLineEdit(parent)
    , m_validator(new NumberValidator(2, this))
{
    m_validator->setLocale(locale());
    setValidator(m_validator);
}

void NumberEdit::setMaxDecimals(int decimals)
{
    m_validator->setMaxDecimals(decimals);
}

int NumberEdit::maxDecimals() const
{
    return m_validator->maxDecimals();
}

QChar NumberEdit::decimalSeparator() const
{
    const QString decimal = locale().decimalPoint();
    return decimal.isEmpty() ? QLatin1Char('.') : decimal.at(0);
}

Money NumberEdit::textValue(const QString &text) const
{
    return Money::parse(text, decimalSeparator()).value_or(Money());
}

void NumberEdit::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    const bool plainCharacter = typed.size() == 1 && typed.at(0).isPrint()
                                && !(event->modifiers()
                                     & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!plainCharacter || isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString character = m_validator->normalized(typed);
    QString candidate = text();
    int position = cursorPosition();
    if (hasSelectedText()) {
        position = selectionStart();
        candidate.remove(position, selectedText().size());
    }
    candidate.insert(position, character);
    int candidatePosition = position + 1;
    if (m_validator->validate(candidate, candidatePosition) == QValidator::Invalid) {
        QApplication::beep();
        event->accept();
        Q_EMIT inputRefused();
        return;
    }
    insert(character);
    event->accept();
}

void NumberEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::LocaleChange)
        m_validator->setLocale(locale());
}

} // namespace tarvo::ui
