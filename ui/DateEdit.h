#pragma once

#include "data/DateTime.h"

#include <QLineEdit>

#include <optional>

namespace tarvo::ui {

class CalendarPopup;

// A date field with a drop-down calendar (the button at its right end,
// Alt+Down or F4). The text is a date in the locale's short form
// (tarvo::fmt::shortDatePattern) or empty for no date; only digits and the
// pattern's separators can be typed (others are refused with a beep).
// changed() reports every change of the text. Leaving the field (Tab, click
// elsewhere) with text that is not blank and not a valid date shows the
// error box "Неверная дата: «<text>»" and takes the focus back.
class DateEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit DateEdit(QWidget *parent = nullptr);

    // The date of the text; nullopt when the text is empty or no valid date.
    std::optional<DateTime> date() const;
    // Shows the date (its day only), or empty text for nullopt.
    void setDate(std::optional<DateTime> date);
    // The text holds nothing but blanks and date separators.
    bool isBlank() const;

    // Dates before this one picked in the calendar are refused: the calendar
    // closes and the field keeps its text. nullopt: no bound.
    void setCalendarMinimum(std::optional<DateTime> minimum) { m_minimum = minimum; }
    std::optional<DateTime> calendarMinimum() const { return m_minimum; }

    // Opens the calendar on the field's date (today when it holds none).
    void showCalendar();
    CalendarPopup *calendarPopup() const { return m_popup; }
    // Takes a date as picked in the calendar; false (field unchanged) when
    // it lies before the calendar minimum.
    bool pickDate(const QDate &date);

Q_SIGNALS:
    void changed();
    // A date was taken from the calendar.
    void datePicked(tarvo::DateTime date);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applyLocale();
    void reportInvalidDate();

    CalendarPopup *m_popup;
    std::optional<DateTime> m_minimum;
    QString m_separators;   // the pattern's characters other than d, M, y
    bool m_reporting = false;
};

} // namespace tarvo::ui
