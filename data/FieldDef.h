#pragma once

#include <QString>

namespace tarvo {

class DataSet;

// The types of the store's columns as the program reads and writes them.
enum class FieldType {
    Integer,   // 32-bit signed
    Text,      // Unicode text, `size` characters at most
    Currency,  // Money, ten-thousandths
    Boolean,
    DateTime,  // tarvo::DateTime day count; ISO text in the store
    Float,     // double
};

enum class FieldKind {
    Data,        // read from the query
    Calculated,  // set by the data set's calculated-fields handler
    Lookup,      // looked up in another data set through a key field
};

// A persistent field definition: declares a field's type and display format,
// or adds a calculated or looked-up field. Query columns without a definition
// take their type from the store's declared column type.
struct FieldDef
{
    QString name;
    FieldType type = FieldType::Text;
    FieldKind kind = FieldKind::Data;
    // "dd.mm.yyyy", "#.00", "currency", "shortdate"... empty: the type's default.
    QString displayFormat;
    int size = 0;           // text length; 0: unlimited
    bool readOnly = false;

    // Lookup fields: this data set's `keyField` is matched with
    // `lookupKeyField` of `lookupDataSet`; the value is its `lookupResultField`.
    QString keyField;
    DataSet *lookupDataSet = nullptr;
    QString lookupKeyField;
    QString lookupResultField;

    static FieldDef data(const QString &name, FieldType type, const QString &format = {})
    {
        FieldDef d; d.name = name; d.type = type; d.displayFormat = format; return d;
    }
    static FieldDef calculated(const QString &name, FieldType type, const QString &format = {})
    {
        FieldDef d = data(name, type, format); d.kind = FieldKind::Calculated; return d;
    }
    static FieldDef lookup(const QString &name, FieldType type, const QString &keyField,
                           DataSet *lookupDataSet, const QString &lookupKeyField,
                           const QString &lookupResultField)
    {
        FieldDef d = data(name, type);
        d.kind = FieldKind::Lookup;
        d.keyField = keyField;
        d.lookupDataSet = lookupDataSet;
        d.lookupKeyField = lookupKeyField;
        d.lookupResultField = lookupResultField;
        return d;
    }
};

} // namespace tarvo
