#include "data/DataSetModel.h"

#include "data/DataSet.h"
#include "data/Money.h"

namespace tarvo {

DataSetModel::DataSetModel(DataSet *dataSet, QObject *parent)
    : CurrentRowModel(parent)
    , m_dataSet(dataSet)
{
    connect(dataSet, &DataSet::aboutToReset, this, [this] { beginResetModel(); });
    connect(dataSet, &DataSet::reset, this, [this] { endResetModel(); });
    connect(dataSet, &DataSet::aboutToInsertRow, this, [this](int r) { beginInsertRows({}, r, r); });
    connect(dataSet, &DataSet::rowInserted, this, [this](int) { endInsertRows(); });
    connect(dataSet, &DataSet::aboutToRemoveRow, this, [this](int r) { beginRemoveRows({}, r, r); });
    connect(dataSet, &DataSet::rowRemoved, this, [this](int) { endRemoveRows(); });
    connect(dataSet, &DataSet::rowChanged, this, [this](int r) {
        if (r >= 0 && columnCount() > 0)
            Q_EMIT dataChanged(index(r, 0), index(r, columnCount() - 1));
    });
    connect(dataSet, &DataSet::currentRowChanged, this, &CurrentRowModel::currentRowChanged);
}

void DataSetModel::setFields(const QStringList &fields)
{
    beginResetModel();
    m_fields = fields;
    endResetModel();
}

QString DataSetModel::fieldName(int column) const
{
    if (!m_fields.isEmpty())
        return m_fields.value(column);
    return column >= 0 && column < m_dataSet->fieldCount() ? m_dataSet->fieldName(column) : QString();
}

int DataSetModel::columnOf(const QString &field) const
{
    for (int c = 0; c < columnCount(); ++c) {
        if (fieldName(c).compare(field, Qt::CaseInsensitive) == 0)
            return c;
    }
    return -1;
}

void DataSetModel::setEditable(bool editable)
{
    m_editable = editable;
}

int DataSetModel::fieldIndexOf(int column) const
{
    return m_dataSet->fieldIndex(fieldName(column));
}

int DataSetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_dataSet->rowCount();
}

int DataSetModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_fields.isEmpty() ? m_dataSet->fieldCount() : int(m_fields.size());
}

QVariant DataSetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const int f = fieldIndexOf(index.column());
    if (f < 0)
        return QVariant();
    const FieldType type = m_dataSet->fieldDef(f).type;
    switch (role) {
    case Qt::DisplayRole:
        return m_dataSet->displayTextAt(index.row(), f);
    case Qt::EditRole:
    case ValueRole:
        return m_dataSet->valueAt(index.row(), f);
    case Qt::CheckStateRole:
        if (type == FieldType::Boolean)
            return m_dataSet->valueAt(index.row(), f).toBool() ? Qt::Checked : Qt::Unchecked;
        return QVariant();
    case FieldTypeRole:
        return int(type);
    default:
        return QVariant();
    }
}

bool DataSetModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || (role != Qt::EditRole && role != ValueRole))
        return false;
    const int f = fieldIndexOf(index.column());
    if (f < 0)
        return false;
    if (m_dataSet->row() != index.row())
        m_dataSet->setRow(index.row());
    if (!m_dataSet->isEditing())
        m_dataSet->edit();
    m_dataSet->setValue(m_dataSet->fieldName(f), value);
    return true;
}

Qt::ItemFlags DataSetModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags fl = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (!index.isValid())
        return fl;
    const int f = fieldIndexOf(index.column());
    if (m_editable && m_dataSet->isUpdatable() && f >= 0) {
        const FieldDef &d = m_dataSet->fieldDef(f);
        if (!d.readOnly && d.kind != FieldKind::Calculated)
            fl |= Qt::ItemIsEditable;
    }
    return fl;
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal)
        return fieldName(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

int DataSetModel::currentRow() const
{
    return m_dataSet->row();
}

void DataSetModel::setCurrentRow(int row)
{
    m_dataSet->setRow(row);
}

} // namespace tarvo
