#include "ui/DateEdit.h"

#include "data/Formats.h"
#include "ui/CalendarPopup.h"
#include "ui/DropDown.h"
#include "ui/Glyphs.h"
#include "ui/MessageBoxes.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

namespace tarvo::ui {

DateEdit::DateEdit(QWidget *parent)
    : QLineEdit(parent)
    , m_popup(new CalendarPopup(this))
{
    QAction *drop = addAction(glyphs::calendar(), QLineEdit::TrailingPosition);
    drop->setToolTip(QStringLiteral("Календарь"));
    connect(drop, &QAction::triggered, this, &DateEdit::showCalendar);
    connect(this, &QLineEdit::textChanged, this, &DateEdit::changed);
    connect(m_popup, &CalendarPopup::picked, this, [this](const QDate &date) {
        pickDate(date);
        setFocus(Qt::PopupFocusReason);
    });
    applyLocale();
}

void DateEdit::applyLocale()
{
    const QString pattern = fmt::shortDatePattern(locale());
    m_separators.clear();
    for (const QChar c : pattern) {
        if (c != QLatin1Char('d') && c != QLatin1Char('M') && c != QLatin1Char('y')
            && !m_separators.contains(c))
            m_separators += c;
    }
    // Room for the longest date of the pattern.
    setMaxLength(int(QDate(2000, 12, 31).toString(pattern).size()));
}

std::optional<DateTime> DateEdit::date() const
{
    const QString t = text().trimmed();
    if (t.isEmpty())
        return std::nullopt;
    return fmt::parseShortDate(t, locale());
}

void DateEdit::setDate(std::optional<DateTime> date)
{
    setText(date ? fmt::shortDate(date->dateOnly(), locale()) : QString());
}

bool DateEdit::isBlank() const
{
    for (const QChar c : text()) {
        if (!c.isSpace() && !m_separators.contains(c))
            return false;
    }
    return true;
}

bool DateEdit::pickDate(const QDate &date)
{
    const DateTime picked = DateTime::fromDate(date);
    if (!date.isValid() || (m_minimum && picked < *m_minimum))
        return false;
    setDate(picked);
    Q_EMIT datePicked(picked);
    return true;
}

void DateEdit::showCalendar()
{
    if (isReadOnly() || !isEnabled())
        return;
    const std::optional<DateTime> current = date();
    m_popup->setDate(current ? current->date() : QDate::currentDate());
    showDropDown(m_popup, this, false);
}

void DateEdit::keyPressEvent(QKeyEvent *event)
{
    if (isDropDownKey(event)) {
        showCalendar();
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool plainCharacter = typed.size() == 1 && typed.at(0).isPrint()
                                && !(event->modifiers()
                                     & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plainCharacter && !isReadOnly()) {
        const QChar c = typed.at(0);
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if (!digit && !m_separators.contains(c)) {
            QApplication::beep();
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void DateEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        break;
    default:
        return;   // another window, a popup: the field is not being left
    }
    if (m_reporting || isBlank() || date())
        return;
    // Reported once the focus has settled on the other widget, outside the
    // focus change itself.
    QTimer::singleShot(0, this, &DateEdit::reportInvalidDate);
}

void DateEdit::reportInvalidDate()
{
    if (m_reporting || !isVisible() || hasFocus() || isBlank() || date())
        return;
    m_reporting = true;
    QPointer<DateEdit> alive(this);
    showError(this, QStringLiteral("Неверная дата: «%1»").arg(text()));
    if (!alive)
        return;
    m_reporting = false;
    if (isVisible()) {
        setFocus(Qt::OtherFocusReason);
        selectAll();
    }
}

void DateEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::LocaleChange)
        applyLocale();
}

} // namespace tarvo::ui
