#pragma once

#include "data/CurrentRowModel.h"

#include <QStringList>

namespace tarvo {

class DataSet;

// An item model over a data set for the grids: one row per record, one column
// per chosen field. The model's current row is the data set's current row.
// Display text follows the field's display format; boolean fields also
// answer Qt::CheckStateRole. Editable only when switched on and the data set
// is updatable; an edit puts the record into editing first.
class DataSetModel : public CurrentRowModel
{
    Q_OBJECT
public:
    explicit DataSetModel(DataSet *dataSet, QObject *parent = nullptr);

    DataSet *dataSet() const { return m_dataSet; }
    // The fields shown, in column order; empty: every field of the data set.
    void setFields(const QStringList &fields);
    QString fieldName(int column) const;
    int columnOf(const QString &field) const;
    void setEditable(bool editable);
    bool isEditable() const { return m_editable; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    int currentRow() const override;
    // Moves the data set; errors of the move (a refused post) are thrown.
    void setCurrentRow(int row) override;

private:
    int fieldIndexOf(int column) const;

    DataSet *m_dataSet;
    QStringList m_fields;
    bool m_editable = false;
};

} // namespace tarvo
