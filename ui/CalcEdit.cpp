#include "ui/CalcEdit.h"

#include "data/Formats.h"
#include "ui/CalculatorPopup.h"
#include "ui/Glyphs.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

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
    m_popup->adjustSize();
    QPoint at = mapToGlobal(QPoint(width() - m_popup->width(), height()));
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - m_popup->width())));
        if (at.y() + m_popup->height() > area.bottom())
            at.setY(mapToGlobal(QPoint(0, 0)).y() - m_popup->height());
    }
    m_popup->move(at);
    m_popup->show();
}

void CalcEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F4
        || (event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier))) {
        showCalculator();
        event->accept();
        return;
    }
    NumberEdit::keyPressEvent(event);
}

} // namespace tarvo::ui
