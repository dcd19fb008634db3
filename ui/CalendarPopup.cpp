#include "ui/CalendarPopup.h"

#include <QCalendarWidget>
#include <QVBoxLayout>

namespace tarvo::ui {

CalendarPopup::CalendarPopup(QWidget *parent)
    : QFrame(parent, Qt::Popup)
    , m_calendar(new QCalendarWidget(this))
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAttribute(Qt::WA_WindowPropagation);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(m_calendar);
    m_calendar->setGridVisible(true);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setFirstDayOfWeek(locale().firstDayOfWeek());
    connect(m_calendar, &QCalendarWidget::clicked, this, &CalendarPopup::pick);
    connect(m_calendar, &QCalendarWidget::activated, this, &CalendarPopup::pick);
}

void CalendarPopup::setDate(const QDate &date)
{
    m_calendar->setSelectedDate(date);
    m_calendar->setCurrentPage(date.year(), date.month());
}

void CalendarPopup::pick(const QDate &date)
{
    close();
    Q_EMIT picked(date);
}

} // namespace tarvo::ui
