#include "ui/CalculatorPopup.h"

#include "data/Formats.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>

#include <limits>

namespace tarvo::ui {

namespace {
constexpr int MaxEntryDigits = 14;
constexpr int MaxEntryDecimals = 4;
}

CalculatorPopup::CalculatorPopup(QWidget *parent)
    : QFrame(parent, Qt::Popup)
    , m_display(new QLabel(this))
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAttribute(Qt::WA_WindowPropagation);
    m_display->setObjectName(QStringLiteral("display"));
    m_display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_display->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_display->setAutoFillBackground(true);
    QPalette p = m_display->palette();
    p.setColor(QPalette::Window, p.color(QPalette::Base));
    m_display->setPalette(p);
    m_display->setMinimumWidth(140);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(m_display, 0, 0, 1, 4);
    const QString separator = locale().decimalPoint();
    const QStringList keys = {QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("/"),
                              QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("*"),
                              QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("-"),
                              QStringLiteral("0"), separator,          QStringLiteral("="), QStringLiteral("+"),
                              QStringLiteral("C"), QStringLiteral("<"), QStringLiteral("OK")};
    for (int i = 0; i < keys.size(); ++i) {
        const QString key = keys.at(i);
        auto *button = new QToolButton(this);
        button->setText(key == QLatin1String("<") ? QStringLiteral("←") : key);
        button->setFocusPolicy(Qt::NoFocus);
        button->setMinimumSize(32, 24);
        const int row = 1 + i / 4;
        const int column = i % 4;
        if (key == QLatin1String("OK")) {
            layout->addWidget(button, row, column, 1, 2);
            button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        } else {
            layout->addWidget(button, row, column);
        }
        connect(button, &QToolButton::clicked, this, [this, key] { press(key); });
    }
    updateDisplay();
}

void CalculatorPopup::setValue(Money value)
{
    m_accumulator = value;
    m_entry.clear();
    m_pending = QChar();
    m_fresh = true;
    m_error = false;
    updateDisplay();
}

Money CalculatorPopup::current() const
{
    if (m_error)
        return Money();
    if (m_entry.isEmpty())
        return m_accumulator;
    return Money::parse(m_entry, locale().decimalPoint().at(0)).value_or(Money());
}

Money CalculatorPopup::value() const
{
    return current();
}

QString CalculatorPopup::displayText() const
{
    return m_display->text();
}

void CalculatorPopup::applyPending()
{
    const Money a = m_accumulator;
    const Money b = current();
    if (m_pending.isNull()) {
        m_accumulator = b;
        return;
    }
    __int128 raw = 0;
    switch (m_pending.unicode()) {
    case '+':
        raw = __int128(a.raw()) + b.raw();
        break;
    case '-':
        raw = __int128(a.raw()) - b.raw();
        break;
    case '*': {
        const __int128 product = __int128(a.raw()) * b.raw();
        const __int128 limit = __int128(std::numeric_limits<qint64>::max()) * Money::Scale;
        if (product > limit || product < -limit) {
            m_error = true;
            return;
        }
        raw = divRoundHalfEven(product, Money::Scale);
        break;
    }
    case '/':
        if (b.isZero()) {
            m_error = true;
            return;
        }
        if (__int128 q = __int128(a.raw()) * Money::Scale / b.raw();
            q >= std::numeric_limits<qint64>::max() || q <= -std::numeric_limits<qint64>::max()) {
            m_error = true;
            return;
        }
        raw = divRoundHalfEven(__int128(a.raw()) * Money::Scale, b.raw());
        break;
    default:
        break;
    }
    if (raw > std::numeric_limits<qint64>::max() || raw < -std::numeric_limits<qint64>::max()) {
        m_error = true;
        return;
    }
    m_accumulator = Money::fromRaw(qint64(raw));
}

void CalculatorPopup::press(const QString &key)
{
    const QString separator = locale().decimalPoint();
    if (key == QLatin1String("OK")) {
        if (!m_error && !m_pending.isNull())
            press(QStringLiteral("="));
        const Money result = current();
        const bool failed = m_error;
        close();
        if (!failed)
            Q_EMIT accepted(result);
        return;
    }
    if (key == QLatin1String("C")) {
        setValue(Money());
        return;
    }
    if (m_error)
        setValue(Money());   // any other key starts afresh after an error

    if (key.size() == 1 && key.at(0).isDigit()) {
        if (m_fresh) {
            m_entry.clear();
            m_fresh = false;
        }
        const qsizetype sep = m_entry.indexOf(separator);
        if (sep >= 0 ? m_entry.size() - sep - 1 >= MaxEntryDecimals : m_entry.size() >= MaxEntryDigits)
            return;
        if (m_entry == QLatin1String("0"))
            m_entry.clear();
        m_entry += key;
    } else if (key == separator || key == QLatin1String(",") || key == QLatin1String(".")) {
        if (m_fresh) {
            m_entry.clear();
            m_fresh = false;
        }
        if (!m_entry.contains(separator))
            m_entry += (m_entry.isEmpty() ? QStringLiteral("0") : QString()) + separator;
    } else if (key == QLatin1String("<")) {
        if (!m_fresh && !m_entry.isEmpty())
            m_entry.chop(1);
    } else if (key == QLatin1String("=")) {
        applyPending();
        m_pending = QChar();
        m_entry.clear();
        m_fresh = true;
    } else if (key.size() == 1 && QStringLiteral("+-*/").contains(key.at(0))) {
        if (!m_fresh || m_pending.isNull())
            applyPending();
        m_pending = key.at(0);
        m_entry.clear();
        m_fresh = true;
    }
    updateDisplay();
}

void CalculatorPopup::updateDisplay()
{
    if (m_error)
        m_display->setText(QStringLiteral("Ошибка"));
    else if (!m_entry.isEmpty())
        m_display->setText(m_entry);
    else
        m_display->setText(fmt::moneyPlain(m_accumulator, locale()));
}

void CalculatorPopup::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        press(QStringLiteral("OK"));
        return;
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Backspace:
        press(QStringLiteral("<"));
        return;
    case Qt::Key_Delete:
        press(QStringLiteral("C"));
        return;
    default:
        break;
    }
    const QString typed = event->text();
    if (typed.size() == 1 && QStringLiteral("0123456789,.+-*/=").contains(typed.at(0))) {
        press(typed);
        return;
    }
    QFrame::keyPressEvent(event);
}

} // namespace tarvo::ui
