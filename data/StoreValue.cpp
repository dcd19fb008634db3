#include "data/StoreValue.h"

#include "data/DataError.h"
#include "data/DateTime.h"
#include "data/Formats.h"
#include "data/Money.h"

#include <QDate>
#include <QDateTime>

#include <cmath>
#include <limits>

namespace tarvo::storevalue {

FieldType typeFromDeclared(const QByteArray &declType, QMetaType fallback)
{
    const QByteArray t = declType.toUpper();
    if (!t.isEmpty()) {
        if (t.contains("CURRENCY") || t.contains("MONEY"))
            return FieldType::Currency;
        if (t.contains("DATE") || t.contains("TIME"))
            return FieldType::DateTime;
        if (t.contains("BOOL"))
            return FieldType::Boolean;
        if (t.contains("INT"))
            return FieldType::Integer;
        if (t.contains("CHAR") || t.contains("TEXT") || t.contains("CLOB"))
            return FieldType::Text;
        if (t.contains("REAL") || t.contains("FLOA") || t.contains("DOUB"))
            return FieldType::Float;
    }
    switch (fallback.id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return FieldType::Integer;
    case QMetaType::Double:
        return FieldType::Float;
    case QMetaType::Bool:
        return FieldType::Boolean;
    default:
        return FieldType::Text;
    }
}

QVariant fromStore(const QVariant &raw, FieldType type)
{
    if (!raw.isValid() || raw.isNull())
        return QVariant();
    switch (type) {
    case FieldType::Integer:
        if (raw.typeId() == QMetaType::Double)
            return QVariant(int(std::llround(raw.toDouble())));
        return QVariant(int(raw.toLongLong()));
    case FieldType::Text:
        return QVariant(raw.toString());
    case FieldType::Currency:
        // The store keeps ten-thousandths as integers; a REAL here is an
        // expression of them and is rounded to the nearest count.
        if (raw.typeId() == QMetaType::Double)
            return QVariant::fromValue(Money::fromRaw(std::llround(raw.toDouble())));
        if (raw.typeId() == QMetaType::QString) {
            bool ok = false;
            const qint64 v = raw.toString().toLongLong(&ok);
            if (ok)
                return QVariant::fromValue(Money::fromRaw(v));
            return QVariant();
        }
        return QVariant::fromValue(Money::fromRaw(raw.toLongLong()));
    case FieldType::Boolean:
        if (raw.typeId() == QMetaType::QString)
            return QVariant(raw.toString() != QLatin1String("0") && !raw.toString().isEmpty());
        return QVariant(raw.toLongLong() != 0);
    case FieldType::DateTime: {
        if (raw.typeId() == QMetaType::QString) {
            if (auto d = DateTime::fromIso(raw.toString()))
                return QVariant::fromValue(*d);
            return QVariant();
        }
        return QVariant::fromValue(DateTime(raw.toDouble()));
    }
    case FieldType::Float:
        return QVariant(raw.toDouble());
    }
    return QVariant();
}

namespace {

DataError cannotConvert(const QVariant &value)
{
    return DataError(QStringLiteral("Значение «%1» не подходит для поля.").arg(value.toString()));
}

} // namespace

QVariant convert(const QVariant &value, FieldType type)
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    const int id = value.typeId();
    const bool isMoney = id == QMetaType::fromType<Money>().id();
    const bool isDate = id == QMetaType::fromType<DateTime>().id();
    switch (type) {
    case FieldType::Integer:
        if (isMoney)
            return QVariant(int(value.value<Money>().roundedToWhole().raw() / Money::Scale));
        if (id == QMetaType::Double)
            return QVariant(int(std::llround(value.toDouble())));
        if (id == QMetaType::QString) {
            bool ok = false;
            const int v = value.toString().trimmed().toInt(&ok);
            if (!ok)
                throw cannotConvert(value);
            return QVariant(v);
        }
        return QVariant(int(value.toLongLong()));
    case FieldType::Text:
        if (isMoney)
            return QVariant(value.value<Money>().toPlainString());
        if (isDate)
            return QVariant(value.value<DateTime>().toIso());
        return QVariant(value.toString());
    case FieldType::Currency:
        if (isMoney)
            return value;
        if (id == QMetaType::Double)
            return QVariant::fromValue(Money::fromDouble(value.toDouble()));
        if (id == QMetaType::QString) {
            if (auto m = Money::parse(value.toString(), QLocale().decimalPoint().at(0)))
                return QVariant::fromValue(*m);
            throw cannotConvert(value);
        }
        return QVariant::fromValue(Money::fromUnits(value.toLongLong()));
    case FieldType::Boolean:
        return QVariant(value.toBool());
    case FieldType::DateTime:
        if (isDate)
            return value;
        if (id == QMetaType::QDate)
            return QVariant::fromValue(DateTime::fromDate(value.toDate()));
        if (id == QMetaType::QDateTime)
            return QVariant::fromValue(DateTime::fromDateTime(value.toDateTime()));
        if (id == QMetaType::QString) {
            if (auto d = DateTime::fromIso(value.toString()))
                return QVariant::fromValue(*d);
            throw cannotConvert(value);
        }
        return QVariant::fromValue(DateTime(value.toDouble()));
    case FieldType::Float:
        if (isMoney)
            return QVariant(value.value<Money>().toDouble());
        if (isDate)
            return QVariant(value.value<DateTime>().days());
        return QVariant(value.toDouble());
    }
    return QVariant();
}

QVariant toStore(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    const int id = value.typeId();
    if (id == QMetaType::fromType<Money>().id())
        return QVariant(qlonglong(value.value<Money>().raw()));
    if (id == QMetaType::fromType<DateTime>().id())
        return QVariant(value.value<DateTime>().toIso());
    if (id == QMetaType::QDate)
        return QVariant(value.toDate().toString(Qt::ISODate));
    if (id == QMetaType::Bool)
        return QVariant(value.toBool() ? 1 : 0);
    return value;
}

QVariant toStore(const QVariant &value, FieldType type)
{
    return toStore(convert(value, type));
}

QString displayText(const QVariant &value, FieldType type, const QString &format,
                    const QLocale &locale)
{
    if (!value.isValid() || value.isNull())
        return QString();
    switch (type) {
    case FieldType::Integer:
        return QString::number(value.toLongLong());
    case FieldType::Text:
        return value.toString();
    case FieldType::Currency: {
        const Money m = value.value<Money>();
        if (format == QLatin1String("#.00"))
            return fmt::moneyHash00(m, locale);
        if (format == QLatin1String("currency"))
            return fmt::currency(m, locale);
        return fmt::moneyPlain(m, locale);
    }
    case FieldType::Boolean:
        return value.toBool() ? QStringLiteral("Да") : QStringLiteral("Нет");
    case FieldType::DateTime: {
        const DateTime d = value.value<DateTime>();
        if (format.isEmpty() || format == QLatin1String("shortdate")) {
            QString text = fmt::shortDate(d, locale);
            const QTime t = d.toDateTime().time();
            if (format.isEmpty() && t.msecsSinceStartOfDay() >= 1000)
                text += QLatin1Char(' ') + locale.toString(t, QStringLiteral("HH:mm:ss"));
            return text;
        }
        return fmt::date(d, format, locale);
    }
    case FieldType::Float:
        if (format == QLatin1String("#.00"))
            return fmt::moneyHash00(Money::fromDouble(value.toDouble()), locale);
        if (format == QLatin1String("currency"))
            return fmt::currency(Money::fromDouble(value.toDouble()), locale);
        return fmt::floatGeneral(value.toDouble(), locale);
    }
    return QString();
}

} // namespace tarvo::storevalue
