#pragma once

#include "data/DateTime.h"
#include "data/FieldDef.h"
#include "data/Money.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <optional>

namespace tarvo {

class Connection;
class DataError;

// A query data set: SQL text as lines with named parameters (":ID_ORDER"),
// read whole into memory when opened, so its row count is exact. Fields are
// read by name with their types; persistent definitions add calculated and
// looked-up fields. A data set may take its parameters from a master data set
// and re-read itself whenever the master's current row changes. With an
// update table it is updatable: rows are edited, inserted and deleted in
// place and each post goes to that table at once.
//
// Errors of the store and of the layer are thrown as DataError.
class DataSet : public QObject
{
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };

    struct Bookmark
    {
        int row = -1;
        QVariant key;   // the key field's value, when the data set has one
    };

    explicit DataSet(const QString &objectName = QString(), QObject *parent = nullptr);
    ~DataSet() override;

    // The connection used; the default connection when none was set.
    void setConnection(Connection *connection);
    Connection *connection() const;

    // --- SQL text and parameters
    QStringList sql() const { return m_sql; }
    // Takes effect at the next open.
    void setSql(const QStringList &lines);
    QString sqlText() const { return m_sql.join(QLatin1Char('\n')); }
    // The parameter names in the order they appear, without the colon.
    QStringList paramNames() const;
    // Names compare without regard to case.
    void setParam(const QString &name, const QVariant &value);
    QVariant param(const QString &name) const;

    // --- Master link: each parameter takes the value of the master's field of
    // the same name; the data set re-reads when the master moves; a row
    // inserted here receives the master's values in fields of the same names.
    void setMaster(DataSet *master);
    DataSet *master() const { return m_master; }

    // --- Fields
    void addFieldDef(const FieldDef &def);
    void setFieldDefs(const QList<FieldDef> &defs);
    // Calculated fields: run for each row read and after every field change.
    // The handler reads and sets the row's fields through this data set.
    void setCalcFieldsHandler(std::function<void(DataSet &)> handler);

    int fieldCount() const { return int(m_fields.size()); }
    // -1 when there is no such field (names compare without regard to case).
    int fieldIndex(const QString &name) const;
    const FieldDef &fieldDef(int index) const { return m_fields.at(index); }
    QString fieldName(int index) const { return m_fields.at(index).name; }

    // --- Updating
    // Makes the data set updatable: posts go to `table`, rows are identified
    // by `keyField`, assigned by the store on insert.
    void setUpdateTable(const QString &table, const QString &keyField);
    bool isUpdatable() const { return !m_updateTable.isEmpty(); }
    // The field that identifies a record across re-reads (bookmarks, refresh).
    void setKeyField(const QString &field) { m_keyField = field; }
    QString keyField() const { return m_keyField; }

    // --- Life
    void open();
    void close();
    bool isActive() const { return m_state != State::Inactive; }
    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Edit || m_state == State::Insert; }
    // Reads the rows again with the same text and parameters and returns to
    // the current record (by key when there is one, else by row number).
    void refresh();

    // --- Navigation; a pending edit is posted before the cursor moves.
    int rowCount() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    // -1 when there is no row.
    int row() const { return m_row; }
    void setRow(int row);
    void first();
    void last();
    void next();
    void prior();
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }

    Bookmark bookmark() const;
    // The bookmarked record when it is still there, else the row at the
    // bookmarked number when there are that many rows, else the first row.
    void gotoBookmark(const Bookmark &bookmark);
    // Returns to the row with this number when the list has that many rows,
    // otherwise stays on the first row.
    void gotoRowNumber(int row);
    // Moves to the first row whose `field` equals `value`; false when none.
    bool locate(const QString &field, const QVariant &value);

    // --- Values of the current row (inside the calculated-fields handler:
    // of the row being calculated). Invalid QVariant = null.
    QVariant value(const QString &field) const;
    bool isNull(const QString &field) const;
    int asInteger(const QString &field) const;          // null -> 0
    QString asString(const QString &field) const;       // null -> ""
    Money asMoney(const QString &field) const;          // null -> 0
    bool asBoolean(const QString &field) const;         // null -> false
    std::optional<DateTime> asDateTime(const QString &field) const;
    double asFloat(const QString &field) const;         // null -> 0
    QString displayText(const QString &field) const;
    // Sets a field of the current row. Data and looked-up fields need the
    // Edit or Insert state (a looked-up field sets its key field);
    // calculated fields may be set at any time.
    void setValue(const QString &field, const QVariant &value);

    // Values by position, for item models.
    QVariant valueAt(int row, int column) const;
    QString displayTextAt(int row, int column) const;

    // --- Editing (updatable data sets)
    void edit();
    // A new row in front of the current one.
    void insert();
    // A new row at the end.
    void append();
    void post();
    void cancel();
    // Deletes the current row from the store and the list.
    void remove();

    // Called when edit() fails; the error is thrown afterwards.
    void setEditErrorHandler(std::function<void(DataSet &, const DataError &)> handler);

Q_SIGNALS:
    void afterOpen();
    void afterClose();
    void afterScroll();
    void afterInsert();
    void afterPost();
    void afterDelete();
    void afterRefresh();
    void stateChanged();

    // For item models.
    void aboutToReset();
    void reset();
    void rowChanged(int row);
    void aboutToInsertRow(int row);
    void rowInserted(int row);
    void aboutToRemoveRow(int row);
    void rowRemoved(int row);
    void currentRowChanged(int row);

private:
    QList<QVariantList> readRows(QList<FieldDef> *fields);
    // Reads the rows afresh and stands on the first one. Emits aboutToReset;
    // the caller emits reset once the cursor is placed.
    void reload();
    void buildFields(const QList<QByteArray> &names, const QList<QByteArray> &declTypes,
                     const QList<QMetaType> &storageTypes, QList<FieldDef> *out) const;
    void recalc(int rowIndex);
    QVariant lookupValue(const FieldDef &def, const QVariantList &row) const;
    int currentIndexForValues() const;
    int requireField(const QString &name) const;
    void requireActive() const;
    void requireRow() const;
    void moveTo(int row, bool force = false);
    void setState(State state);
    void masterMoved();
    void masterBeforeMove();
    void refreshRowFromStore(int rowIndex);
    QVariant paramValueFor(const QString &name) const;
    void newRow(int position);

    Connection *m_connection = nullptr;
    QStringList m_sql;
    QList<QPair<QString, QVariant>> m_params;
    DataSet *m_master = nullptr;
    QList<DataSet *> m_details;
    QList<FieldDef> m_defs;
    QList<FieldDef> m_fields;
    std::function<void(DataSet &)> m_calcHandler;
    std::function<void(DataSet &, const DataError &)> m_editErrorHandler;
    QString m_updateTable;
    QString m_keyField;

    QList<QVariantList> m_rows;
    int m_row = -1;
    bool m_eof = true;
    bool m_bof = true;
    State m_state = State::Inactive;
    QVariantList m_savedRow;
    int m_calcRow = -1;
    bool m_inCalc = false;
};

} // namespace tarvo
