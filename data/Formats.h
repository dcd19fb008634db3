#pragma once

#include "data/DateTime.h"
#include "data/Money.h"

#include <QLocale>
#include <QString>

#include <optional>

// Display formats of values. The decimal separator, month names and the short
// date form come from the locale passed in (the user's locale in the program,
// a pinned one in the tests).
namespace tarvo::fmt {

// A money value without a display format: shortest form, no thousands separator.
QString moneyPlain(Money value, const QLocale &locale = QLocale());
// "#.00": exactly two decimals, half to even, no digit before the separator
// below one (0.5 -> ",50" in a Russian locale, -0.5 -> "-,50").
QString moneyHash00(Money value, const QLocale &locale = QLocale());
// The system currency format: grouped, two decimals (half to even), the
// locale's currency symbol in its place ("1 234,50 ₽").
QString currency(Money value, const QLocale &locale = QLocale());

// Date formats written with the letters "d", "m", "y": "dd.mm.yyyy",
// "dd mmm yyyy", "mmmm", "yyyy", "mmmm - yyyy года", "mmmm yyyy года.".
// "mmmm" is the locale's full month name as it stands alone, first letter
// upper case; "mmm" the short one. Text that is not a pattern letter is copied.
QString date(DateTime value, const QString &pattern, const QLocale &locale = QLocale());
// The locale's short date form (for Russian "dd.MM.yyyy").
QString shortDate(DateTime value, const QLocale &locale = QLocale());
// Reads text in the locale's short date form; nullopt when it is no valid date.
std::optional<DateTime> parseShortDate(const QString &text, const QLocale &locale = QLocale());
// The Qt pattern of the locale's short date form, with a four-digit year.
QString shortDatePattern(const QLocale &locale = QLocale());

// A float in general format: up to 15 significant digits, no trailing zeros,
// the locale's decimal separator, no thousands separator.
QString floatGeneral(double value, const QLocale &locale = QLocale());

} // namespace tarvo::fmt
