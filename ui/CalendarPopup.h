#pragma once

#include <QDate>
#include <QFrame>

class QCalendarWidget;

namespace tarvo::ui {

// The drop-down calendar of a DateEdit. A click on a day, or Enter, picks
// the date: the popup closes and emits picked(). Escape closes it without one.
class CalendarPopup : public QFrame
{
    Q_OBJECT
public:
    explicit CalendarPopup(QWidget *parent = nullptr);

    void setDate(const QDate &date);
    QCalendarWidget *calendar() const { return m_calendar; }

Q_SIGNALS:
    void picked(const QDate &date);

private:
    void pick(const QDate &date);

    QCalendarWidget *m_calendar;
};

} // namespace tarvo::ui
