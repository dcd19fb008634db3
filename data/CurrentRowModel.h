#pragma once

#include <QAbstractTableModel>

namespace tarvo {

// A table model with a current row, the row a data set stands on. Grids keep
// their current index in step with it both ways: a click moves the row, a
// move of the row moves the grid's selection.
class CurrentRowModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // -1 when there is no row.
    virtual int currentRow() const = 0;
    // Moves the current row; emits currentRowChanged when it moved.
    virtual void setCurrentRow(int row) = 0;

Q_SIGNALS:
    void currentRowChanged(int row);
};

// Roles the data models answer besides the standard ones.
enum DataRole {
    // The field's value as a QVariant of its type (Money, DateTime, bool,
    // int, double, QString); invalid when null.
    ValueRole = Qt::UserRole + 1,
    // int(FieldType) of the column's field.
    FieldTypeRole,
};

} // namespace tarvo
