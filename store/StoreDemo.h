#pragma once

#include <QDate>
#include <QString>

class QSqlDatabase;

namespace tarvo::store {

// Fills a freshly created store with sample data through its stored
// procedures, the way the program writes: distributors, goods, the
// requisites, orders from six months before `today` up to `today` with their
// lines, and the advances of all but the last one or two due months, accrued
// with Add_Avans (which reads the computer's clock, so `today` must be the
// current date for the advances to match). Returns an error text, empty on
// success.
QString fillDemo(const QSqlDatabase &db, const QDate &today = QDate::currentDate());

} // namespace tarvo::store
