#pragma once

#include "data/FieldDef.h"

#include <QByteArray>
#include <QLocale>
#include <QMetaType>
#include <QVariant>

// How values cross between the store and memory. In the store money is an
// integer count of ten-thousandths, a date-time ISO text, a boolean 0 or 1.
// In memory a field holds int, QString, Money, bool, DateTime or double; an
// invalid QVariant is null.
namespace tarvo::storevalue {

// The field type a column declared as `declType` ("CURRENCY", "TEXT(50)",
// "DATETIME"...) has; `fallback` (the value's own storage class) decides when
// the column has no declared type (an expression).
FieldType typeFromDeclared(const QByteArray &declType, QMetaType fallback);

// A value read from the store as the memory value of a field of type `type`.
QVariant fromStore(const QVariant &raw, FieldType type);
// A memory value of any supported kind converted to the memory value of `type`
// (Money to a whole integer rounds half to even). Throws DataError when the
// value cannot be taken.
QVariant convert(const QVariant &value, FieldType type);
// A memory value of any supported kind as the value to bind for the store.
QVariant toStore(const QVariant &value);
// A memory value converted to `type`, then as the value to bind.
QVariant toStore(const QVariant &value, FieldType type);

// The text a field shows: `format` is empty (the type's default form),
// "#.00", "currency", "shortdate", or a date pattern such as "dd.mm.yyyy".
QString displayText(const QVariant &value, FieldType type, const QString &format,
                    const QLocale &locale = QLocale());

} // namespace tarvo::storevalue
