#include "ui/CalcEdit.h"

#include "data/Formats.h"
#include "ui/CalculatorPopup.h"
#include "ui/DropDown.h"
#include "ui/Glyphs.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>

namespace tarvo::ui {

CalcEdit::CalcEdit(QWidget *parent)
    : NumberEdit(parent)
    , m_popup(new CalculatorPopup(this))
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QAction *drop = addAction(glyphs::calculator(), QLineEdit::TrailingPosition);
    drop->setToolTip(QStringLiteral("Калькулятор"));
    connect(drop, &QAction::triggered, this, &CalcEdit::showCalculator);
    connect(this, &QLineEdit::textChanged, this, &CalcEdit::valueChanged);
    connect(m_popup, &CalculatorPopup::accepted, this, [this](Money result) {
        setValue(result.rounded(maxDecimals()));
        setFocus(Qt::PopupFocusReason);
    });
}

Money CalcEdit::value() const
{
    return textValue(text());
}

void CalcEdit::setValue(Money value)
{
    setText(value.isZero() ? QString() : fmt::moneyPlain(value, locale()));
}

void CalcEdit::showCalculator()
{
    if (isReadOnly() || !isEnabled())
        return;
    m_popup->setValue(value());
    showDropDown(m_popup, this, true);
}

void CalcEdit::keyPressEvent(QKeyEvent *event)
{
    if (isDropDownKey(event)) {
        showCalculator();
        event->accept();
        return;
    }
    NumberEdit::keyPressEvent(event);
}

} // namespace tarvo::ui
