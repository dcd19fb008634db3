#include "data/DataSet.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/StoreValue.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>

#include <sqlite3.h>

namespace tarvo {

namespace {

// The statement with its ":NAME" parameters replaced by positional "?", and
// the names in order. Quoted texts, quoted names and comments are left alone.
struct Translated
{
    QString text;
    QStringList names;
};

Translated translate(const QString &sql)
{
    Translated out;
    out.text.reserve(sql.size());
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('[')) {
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            out.text += c;
            for (++i; i < n; ++i) {
                out.text += sql[i];
                if (sql[i] == close)
                    break;
            }
            continue;
        }
        if (c == QLatin1Char('-') && i + 1 < n && sql[i + 1] == QLatin1Char('-')) {
            for (; i < n && sql[i] != QLatin1Char('\n'); ++i)
                out.text += sql[i];
            if (i < n)
                out.text += sql[i];
            continue;
        }
        if (c == QLatin1Char(':') && i + 1 < n
            && (sql[i + 1].isLetter() || sql[i + 1] == QLatin1Char('_'))) {
            qsizetype j = i + 1;
            while (j < n && (sql[j].isLetterOrNumber() || sql[j] == QLatin1Char('_')))
                ++j;
            out.names << sql.mid(i + 1, j - i - 1);
            out.text += QLatin1Char('?');
            i = j - 1;
            continue;
        }
        out.text += c;
    }
    return out;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The declared types of the statement's result columns, from SQLite itself.
QList<QByteArray> declaredTypes(const QSqlQuery &q, int columns)
{
    QList<QByteArray> out(columns);
    const QVariant handle = q.result() ? q.result()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3_stmt*") != 0)
        return out;
    sqlite3_stmt *stmt = *static_cast<sqlite3_stmt *const *>(handle.constData());
    if (!stmt)
        return out;
    for (int i = 0; i < columns && i < sqlite3_column_count(stmt); ++i) {
        if (const char *t = sqlite3_column_decltype(stmt, i))
            out[i] = QByteArray(t);
    }
    return out;
}

} // namespace

DataSet::DataSet(const QString &objectName, QObject *parent)
    : QObject(parent)
{
    setObjectName(objectName);
}

DataSet::~DataSet()
{
    setMaster(nullptr);
    for (DataSet *d : std::as_const(m_details))
        d->m_master = nullptr;
}

void DataSet::setConnection(Connection *connection)
{
    m_connection = connection;
}

Connection *DataSet::connection() const
{
    return m_connection ? m_connection : Connection::defaultConnection();
}

void DataSet::setSql(const QStringList &lines)
{
    m_sql = lines;
}

QStringList DataSet::paramNames() const
{
    return translate(sqlText()).names;
}

void DataSet::setParam(const QString &name, const QVariant &value)
{
    for (auto &p : m_params) {
        if (sameName(p.first, name)) {
            p.second = value;
            return;
        }
    }
    m_params.append({name, value});
}

QVariant DataSet::param(const QString &name) const
{
    for (const auto &p : m_params) {
        if (sameName(p.first, name))
            return p.second;
    }
    return QVariant();
}

QVariant DataSet::paramValueFor(const QString &name) const
{
    if (m_master && m_master->fieldIndex(name) >= 0) {
        if (!m_master->isActive() || m_master->row() < 0)
            return QVariant();
        return m_master->value(name);
    }
    return param(name);
}

void DataSet::setMaster(DataSet *master)
{
    if (m_master)
        m_master->m_details.removeAll(this);
    m_master = master;
    if (m_master)
        m_master->m_details.append(this);
}

void DataSet::addFieldDef(const FieldDef &def)
{
    m_defs.append(def);
}

void DataSet::setFieldDefs(const QList<FieldDef> &defs)
{
    m_defs = defs;
}

void DataSet::setCalcFieldsHandler(std::function<void(DataSet &)> handler)
{
    m_calcHandler = std::move(handler);
}

void DataSet::setEditErrorHandler(std::function<void(DataSet &, const DataError &)> handler)
{
    m_editErrorHandler = std::move(handler);
}

int DataSet::fieldIndex(const QString &name) const
{
    for (int i = 0; i < m_fields.size(); ++i) {
        if (sameName(m_fields[i].name, name))
            return i;
    }
    return -1;
}

void DataSet::setUpdateTable(const QString &table, const QString &keyField)
{
    m_updateTable = table;
    m_keyField = keyField;
}

// ---------------------------------------------------------------- reading

void DataSet::buildFields(const QList<QByteArray> &names, const QList<QByteArray> &declTypes,
                          const QList<QMetaType> &storageTypes, QList<FieldDef> *out) const
{
    out->clear();
    for (int i = 0; i < names.size(); ++i) {
        const QString name = QString::fromUtf8(names[i]);
        FieldDef def;
        bool declared = false;
        for (const FieldDef &d : m_defs) {
            if (d.kind == FieldKind::Data && sameName(d.name, name)) {
                def = d;
                def.name = name;
                declared = true;
                break;
            }
        }
        if (!declared) {
            def.name = name;
            def.type = storevalue::typeFromDeclared(declTypes[i], storageTypes[i]);
        }
        out->append(def);
    }
    for (const FieldDef &d : m_defs) {
        if (d.kind == FieldKind::Data) {
            bool found = false;
            for (const QByteArray &n : names)
                found = found || sameName(QString::fromUtf8(n), d.name);
            if (!found)
                throw DataError(QStringLiteral("Поле «%1» не найдено в наборе данных «%2».")
                                    .arg(d.name, objectName()));
        } else {
            out->append(d);
        }
    }
}

QList<QVariantList> DataSet::readRows(QList<FieldDef> *fields)
{
    Connection *conn = connection();
    if (!conn)
        throw DataError(QStringLiteral("Нет соединения с базой данных."));
    QSqlDatabase db = conn->database();
    const Translated t = translate(sqlText());
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(t.text))
        throw DataError::fromSql(q.lastError());
    for (int i = 0; i < t.names.size(); ++i)
        q.bindValue(i, storevalue::toStore(paramValueFor(t.names[i])));
    if (!q.exec())
        throw DataError::fromSql(q.lastError());

    const QSqlRecord rec = q.record();
    const int columns = rec.count();
    const QList<QByteArray> decl = declaredTypes(q, columns);
    QList<QByteArray> names;
    QList<QMetaType> storage(columns);
    for (int i = 0; i < columns; ++i)
        names << rec.fieldName(i).toUtf8();

    QList<QVariantList> raw;
    while (q.next()) {
        QVariantList r;
        r.reserve(columns);
        for (int i = 0; i < columns; ++i) {
            const QVariant v = q.value(i);
            if (!storage[i].isValid() && v.isValid() && !v.isNull())
                storage[i] = v.metaType();
            r << v;
        }
        raw << r;
    }
    if (q.lastError().isValid())
        throw DataError::fromSql(q.lastError());
    q.finish();

    buildFields(names, decl, storage, fields);
    QList<QVariantList> rows;
    rows.reserve(raw.size());
    for (const QVariantList &r : std::as_const(raw)) {
        QVariantList row;
        row.reserve(fields->size());
        for (int i = 0; i < columns; ++i)
            row << storevalue::fromStore(r[i], (*fields)[i].type);
        for (int i = columns; i < fields->size(); ++i)
            row << QVariant();
        rows << row;
    }
    return rows;
}

QVariant DataSet::lookupValue(const FieldDef &def, const QVariantList &row) const
{
    const int key = fieldIndex(def.keyField);
    DataSet *ds = def.lookupDataSet;
    if (key < 0 || !ds || !ds->isActive())
        return QVariant();
    const QVariant keyValue = row.value(key);
    if (!keyValue.isValid() || keyValue.isNull())
        return QVariant();
    const int lk = ds->fieldIndex(def.lookupKeyField);
    const int lr = ds->fieldIndex(def.lookupResultField);
    if (lk < 0 || lr < 0)
        return QVariant();
    const QVariant wanted = storevalue::toStore(keyValue);
    for (int i = 0; i < ds->rowCount(); ++i) {
        if (storevalue::toStore(ds->valueAt(i, lk)) == wanted)
            return storevalue::convert(ds->valueAt(i, lr), def.type);
    }
    return QVariant();
}

void DataSet::recalc(int rowIndex)
{
    if (rowIndex < 0 || rowIndex >= m_rows.size())
        return;
    QVariantList &row = m_rows[rowIndex];
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].kind == FieldKind::Lookup)
            row[i] = lookupValue(m_fields[i], row);
    }
    if (!m_calcHandler || m_inCalc)
        return;
    const int savedCalcRow = m_calcRow;
    m_inCalc = true;
    m_calcRow = rowIndex;
    struct Restore {
        DataSet *ds; int row;
        ~Restore() { ds->m_inCalc = false; ds->m_calcRow = row; }
    } restore{this, savedCalcRow};
    m_calcHandler(*this);
}

// ---------------------------------------------------------------- life

void DataSet::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    Q_EMIT stateChanged();
}

void DataSet::reload()
{
    QList<FieldDef> fields;
    QList<QVariantList> rows = readRows(&fields);
    Q_EMIT aboutToReset();
    m_fields = fields;
    m_rows = rows;
    m_row = m_rows.isEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.isEmpty();
    try {
        for (int i = 0; i < m_rows.size(); ++i)
            recalc(i);
    } catch (...) {
        // A failing calculation leaves an empty list rather than half a one.
        m_rows.clear();
        m_row = -1;
        m_bof = m_eof = true;
        Q_EMIT reset();
        throw;
    }
}

void DataSet::open()
{
    if (isActive())
        return;
    reload();
    m_savedRow.clear();
    m_state = State::Browse;
    Q_EMIT reset();
    Q_EMIT stateChanged();
    Q_EMIT afterOpen();
    Q_EMIT currentRowChanged(m_row);
    if (!m_rows.isEmpty())
        Q_EMIT afterScroll();
    for (DataSet *d : std::as_const(m_details))
        d->masterMoved();
}

void DataSet::close()
{
    if (!isActive())
        return;
    Q_EMIT aboutToReset();
    m_rows.clear();
    m_savedRow.clear();
    m_row = -1;
    m_bof = m_eof = true;
    m_state = State::Inactive;
    Q_EMIT reset();
    Q_EMIT stateChanged();
    Q_EMIT currentRowChanged(-1);
    Q_EMIT afterClose();
}

void DataSet::refresh()
{
    requireActive();
    if (isEditing())
        post();
    const Bookmark mark = bookmark();
    reload();
    // Back to the same record, without posting anything.
    if (!m_rows.isEmpty()) {
        int target = -1;
        const int key = m_keyField.isEmpty() ? -1 : fieldIndex(m_keyField);
        if (key >= 0 && mark.key.isValid()) {
            for (int i = 0; i < m_rows.size() && target < 0; ++i) {
                if (storevalue::toStore(m_rows[i][key]) == storevalue::toStore(mark.key))
                    target = i;
            }
        }
        if (target < 0 && mark.row >= 0 && mark.row < m_rows.size())
            target = mark.row;
        m_row = target < 0 ? 0 : target;
        m_bof = m_eof = false;
    }
    Q_EMIT reset();
    Q_EMIT currentRowChanged(m_row);
    Q_EMIT afterRefresh();
    if (!m_rows.isEmpty())
        Q_EMIT afterScroll();
    for (DataSet *d : std::as_const(m_details))
        d->masterMoved();
}

void DataSet::masterBeforeMove()
{
    if (isEditing())
        post();
    for (DataSet *d : std::as_const(m_details))
        d->masterBeforeMove();
}

void DataSet::masterMoved()
{
    if (!isActive())
        return;
    if (isEditing())
        cancel();
    reload();
    Q_EMIT reset();
    Q_EMIT currentRowChanged(m_row);
    if (!m_rows.isEmpty())
        Q_EMIT afterScroll();
    for (DataSet *d : std::as_const(m_details))
        d->masterMoved();
}

// ---------------------------------------------------------------- navigation

void DataSet::requireActive() const
{
    if (!isActive())
        throw DataError(QStringLiteral("Набор данных «%1» закрыт.").arg(objectName()));
}

void DataSet::requireRow() const
{
    requireActive();
    if (m_row < 0)
        throw DataError(QStringLiteral("Набор данных «%1» пуст.").arg(objectName()));
}

void DataSet::moveTo(int row, bool force)
{
    requireActive();
    if (row < 0 || row >= m_rows.size())
        return;
    if (row == m_row && !force)
        return;
    if (isEditing())
        post();
    for (DataSet *d : std::as_const(m_details))
        d->masterBeforeMove();
    m_row = row;
    Q_EMIT currentRowChanged(m_row);
    Q_EMIT afterScroll();
    for (DataSet *d : std::as_const(m_details))
        d->masterMoved();
}

void DataSet::setRow(int row)
{
    moveTo(row);
    m_bof = m_eof = false;
}

void DataSet::first()
{
    requireActive();
    moveTo(0);
    m_bof = true;
    m_eof = m_rows.isEmpty();
}

void DataSet::last()
{
    requireActive();
    moveTo(int(m_rows.size()) - 1);
    m_eof = true;
    m_bof = m_rows.isEmpty();
}

void DataSet::next()
{
    requireActive();
    if (m_row + 1 < m_rows.size()) {
        moveTo(m_row + 1);
        m_bof = m_eof = false;
    } else {
        if (isEditing())
            post();
        m_eof = true;
    }
}

void DataSet::prior()
{
    requireActive();
    if (m_row > 0) {
        moveTo(m_row - 1);
        m_bof = m_eof = false;
    } else {
        if (isEditing())
            post();
        m_bof = true;
    }
}

DataSet::Bookmark DataSet::bookmark() const
{
    Bookmark b;
    b.row = m_row;
    const int key = m_keyField.isEmpty() ? -1 : fieldIndex(m_keyField);
    if (key >= 0 && m_row >= 0)
        b.key = m_rows[m_row][key];
    return b;
}

void DataSet::gotoBookmark(const Bookmark &bookmark)
{
    requireActive();
    if (m_rows.isEmpty())
        return;
    const int key = m_keyField.isEmpty() ? -1 : fieldIndex(m_keyField);
    if (key >= 0 && bookmark.key.isValid()) {
        for (int i = 0; i < m_rows.size(); ++i) {
            if (storevalue::toStore(m_rows[i][key]) == storevalue::toStore(bookmark.key)) {
                setRow(i);
                return;
            }
        }
    }
    gotoRowNumber(bookmark.row);
}

void DataSet::gotoRowNumber(int row)
{
    requireActive();
    if (m_rows.isEmpty())
        return;
    if (row >= 0 && row < m_rows.size())
        setRow(row);
    else
        first();
}

bool DataSet::locate(const QString &field, const QVariant &value)
{
    requireActive();
    const int idx = requireField(field);
    const QVariant wanted = storevalue::toStore(value, m_fields[idx].type);
    for (int i = 0; i < m_rows.size(); ++i) {
        if (storevalue::toStore(m_rows[i][idx]) == wanted) {
            setRow(i);
            return true;
        }
    }
    return false;
}

// ---------------------------------------------------------------- values

int DataSet::requireField(const QString &name) const
{
    const int idx = fieldIndex(name);
    if (idx < 0)
        throw DataError(QStringLiteral("Поле «%1» не найдено в наборе данных «%2».")
                            .arg(name, objectName()));
    return idx;
}

int DataSet::currentIndexForValues() const
{
    return m_inCalc ? m_calcRow : m_row;
}

QVariant DataSet::value(const QString &field) const
{
    const int idx = requireField(field);
    const int r = currentIndexForValues();
    if (r < 0 || r >= m_rows.size())
        return QVariant();
    return m_rows[r][idx];
}

bool DataSet::isNull(const QString &field) const
{
    const QVariant v = value(field);
    return !v.isValid() || v.isNull();
}

int DataSet::asInteger(const QString &field) const
{
    const QVariant v = value(field);
    return v.isValid() ? storevalue::convert(v, FieldType::Integer).toInt() : 0;
}

QString DataSet::asString(const QString &field) const
{
    const QVariant v = value(field);
    return v.isValid() ? storevalue::convert(v, FieldType::Text).toString() : QString();
}

Money DataSet::asMoney(const QString &field) const
{
    const QVariant v = value(field);
    return v.isValid() ? storevalue::convert(v, FieldType::Currency).value<Money>() : Money();
}

bool DataSet::asBoolean(const QString &field) const
{
    const QVariant v = value(field);
    return v.isValid() && v.toBool();
}

std::optional<DateTime> DataSet::asDateTime(const QString &field) const
{
    const QVariant v = value(field);
    if (!v.isValid() || v.isNull())
        return std::nullopt;
    return storevalue::convert(v, FieldType::DateTime).value<DateTime>();
}

double DataSet::asFloat(const QString &field) const
{
    const QVariant v = value(field);
    return v.isValid() ? storevalue::convert(v, FieldType::Float).toDouble() : 0.0;
}

QString DataSet::displayText(const QString &field) const
{
    const int idx = requireField(field);
    const FieldDef &def = m_fields[idx];
    return storevalue::displayText(value(field), def.type, def.displayFormat);
}

QVariant DataSet::valueAt(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_fields.size())
        return QVariant();
    return m_rows[row][column];
}

QString DataSet::displayTextAt(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_fields.size())
        return QString();
    const FieldDef &def = m_fields[column];
    return storevalue::displayText(m_rows[row][column], def.type, def.displayFormat);
}

void DataSet::setValue(const QString &field, const QVariant &value)
{
    const int idx = requireField(field);
    const FieldDef &def = m_fields[idx];
    const int r = currentIndexForValues();
    if (r < 0 || r >= m_rows.size())
        throw DataError(QStringLiteral("Набор данных «%1» пуст.").arg(objectName()));

    if (def.kind == FieldKind::Calculated) {
        m_rows[r][idx] = storevalue::convert(value, def.type);
        if (!m_inCalc)
            Q_EMIT rowChanged(r);
        return;
    }
    if (m_inCalc)
        throw DataError(QStringLiteral("Поле «%1» нельзя изменить при расчете.").arg(def.name));
    if (!isEditing())
        throw DataError(QStringLiteral("Набор данных «%1» не находится в режиме редактирования.")
                            .arg(objectName()));
    if (def.readOnly)
        throw DataError(QStringLiteral("Поле «%1» доступно только для чтения.").arg(def.name));

    if (def.kind == FieldKind::Lookup) {
        // Choosing a looked-up value sets the key field to the matching key.
        const int key = requireField(def.keyField);
        QVariant newKey;
        DataSet *ds = def.lookupDataSet;
        if (ds && ds->isActive() && value.isValid() && !value.isNull()) {
            const int lk = ds->fieldIndex(def.lookupKeyField);
            const int lr = ds->fieldIndex(def.lookupResultField);
            const QVariant wanted = storevalue::toStore(value, ds->fieldDef(lr).type);
            for (int i = 0; lk >= 0 && lr >= 0 && i < ds->rowCount(); ++i) {
                if (storevalue::toStore(ds->valueAt(i, lr)) == wanted) {
                    newKey = storevalue::convert(ds->valueAt(i, lk), m_fields[key].type);
                    break;
                }
            }
            if (!newKey.isValid())
                throw DataError(QStringLiteral("Значение «%1» не найдено в списке.").arg(value.toString()));
        }
        m_rows[r][key] = newKey;
    } else {
        m_rows[r][idx] = storevalue::convert(value, def.type);
    }
    recalc(r);
    Q_EMIT rowChanged(r);
}

// ---------------------------------------------------------------- editing

void DataSet::edit()
{
    try {
        requireActive();
        if (isEditing())
            return;
        if (!isUpdatable())
            throw DataError(QStringLiteral("Набор данных «%1» нельзя изменять.").arg(objectName()));
        if (m_rows.isEmpty()) {
            // Editing an empty data set starts a new row.
            newRow(0);
            return;
        }
        m_savedRow = m_rows[m_row];
        setState(State::Edit);
    } catch (const DataError &e) {
        if (m_editErrorHandler)
            m_editErrorHandler(*this, e);
        throw;
    }
}

void DataSet::newRow(int position)
{
    QVariantList row;
    for (int i = 0; i < m_fields.size(); ++i)
        row << QVariant();
    if (m_master && m_master->isActive() && m_master->row() >= 0) {
        for (int i = 0; i < m_fields.size(); ++i) {
            if (m_fields[i].kind != FieldKind::Data)
                continue;
            const int mi = m_master->fieldIndex(m_fields[i].name);
            if (mi >= 0)
                row[i] = storevalue::convert(m_master->valueAt(m_master->row(), mi), m_fields[i].type);
        }
    }
    Q_EMIT aboutToInsertRow(position);
    m_rows.insert(position, row);
    m_row = position;
    m_savedRow.clear();
    m_state = State::Insert;
    recalc(position);
    m_bof = m_eof = false;
    Q_EMIT rowInserted(position);
    Q_EMIT stateChanged();
    Q_EMIT currentRowChanged(m_row);
    Q_EMIT afterInsert();
}

void DataSet::insert()
{
    requireActive();
    if (isEditing())
        post();
    if (!isUpdatable())
        throw DataError(QStringLiteral("Набор данных «%1» нельзя изменять.").arg(objectName()));
    newRow(m_row < 0 ? 0 : m_row);
}

void DataSet::append()
{
    requireActive();
    if (isEditing())
        post();
    if (!isUpdatable())
        throw DataError(QStringLiteral("Набор данных «%1» нельзя изменять.").arg(objectName()));
    newRow(int(m_rows.size()));
}

namespace {

// The columns of `table` in the store, upper-cased, for matching field names.
QStringList tableColumns(QSqlDatabase &db, const QString &table)
{
    QStringList out;
    const QSqlRecord rec = db.record(table);
    for (int i = 0; i < rec.count(); ++i)
        out << rec.fieldName(i).toUpper();
    return out;
}

} // namespace

void DataSet::post()
{
    if (!isEditing())
        return;
    QSqlDatabase db = connection()->database();
    QSqlDriver *driver = db.driver();
    const QString table = driver->escapeIdentifier(m_updateTable, QSqlDriver::TableName);
    const QStringList columns = tableColumns(db, m_updateTable);
    if (columns.isEmpty())
        throw DataError(QStringLiteral("Таблица «%1» не найдена в базе данных.").arg(m_updateTable));

    // The fields written: data fields of the table, not read-only, not the key.
    QList<int> writable;
    for (int i = 0; i < m_fields.size(); ++i) {
        const FieldDef &f = m_fields[i];
        if (f.kind != FieldKind::Data || f.readOnly || sameName(f.name, m_keyField))
            continue;
        if (columns.contains(f.name.toUpper()))
            writable << i;
    }
    const QVariantList &row = m_rows[m_row];
    QSqlRecord rec;
    for (int i : std::as_const(writable)) {
        QSqlField f(m_fields[i].name);
        f.setValue(storevalue::toStore(row[i]));
        rec.append(f);
    }

    QSqlQuery q(db);
    const int keyIndex = m_keyField.isEmpty() ? -1 : fieldIndex(m_keyField);
    if (m_state == State::Insert) {
        const QString text = driver->sqlStatement(QSqlDriver::InsertStatement, table, rec, true);
        if (!q.prepare(text))
            throw DataError::fromSql(q.lastError());
        for (int i = 0; i < rec.count(); ++i)
            q.bindValue(i, rec.value(i));
        if (!q.exec())
            throw DataError::fromSql(q.lastError());
        if (keyIndex >= 0)
            m_rows[m_row][keyIndex] = storevalue::convert(q.lastInsertId(), m_fields[keyIndex].type);
    } else {
        // The row is found by its key, or, without one, by all its former values.
        QStringList conditions;
        QVariantList whereValues;
        if (keyIndex >= 0) {
            conditions << driver->escapeIdentifier(m_keyField, QSqlDriver::FieldName) + QStringLiteral(" IS ?");
            whereValues << storevalue::toStore(m_savedRow.value(keyIndex));
        } else {
            for (int i : std::as_const(writable)) {
                conditions << driver->escapeIdentifier(m_fields[i].name, QSqlDriver::FieldName)
                                  + QStringLiteral(" IS ?");
                whereValues << storevalue::toStore(m_savedRow.value(i));
            }
        }
        const QString text = driver->sqlStatement(QSqlDriver::UpdateStatement, table, rec, true)
                             + QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
        if (!q.prepare(text))
            throw DataError::fromSql(q.lastError());
        int p = 0;
        for (int i = 0; i < rec.count(); ++i)
            q.bindValue(p++, rec.value(i));
        for (const QVariant &v : std::as_const(whereValues))
            q.bindValue(p++, v);
        if (!q.exec())
            throw DataError::fromSql(q.lastError());
        if (q.numRowsAffected() != 1)
            throw DataError(QStringLiteral("Запись не найдена для изменения: её изменили или удалили."));
    }
    m_savedRow.clear();
    setState(State::Browse);
    refreshRowFromStore(m_row);
    Q_EMIT rowChanged(m_row);
    Q_EMIT afterPost();
}

void DataSet::refreshRowFromStore(int rowIndex)
{
    const int keyIndex = m_keyField.isEmpty() ? -1 : fieldIndex(m_keyField);
    if (keyIndex < 0 || rowIndex < 0 || rowIndex >= m_rows.size())
        return;
    QList<FieldDef> fields;
    const QList<QVariantList> rows = readRows(&fields);
    if (fields.size() != m_fields.size())
        return;
    const QVariant key = storevalue::toStore(m_rows[rowIndex][keyIndex]);
    for (const QVariantList &r : rows) {
        if (storevalue::toStore(r[keyIndex]) == key) {
            for (int i = 0; i < m_fields.size(); ++i) {
                if (m_fields[i].kind == FieldKind::Data)
                    m_rows[rowIndex][i] = r[i];
            }
            recalc(rowIndex);
            return;
        }
    }
}

void DataSet::cancel()
{
    if (m_state == State::Edit) {
        m_rows[m_row] = m_savedRow;
        m_savedRow.clear();
        setState(State::Browse);
        Q_EMIT rowChanged(m_row);
    } else if (m_state == State::Insert) {
        const int r = m_row;
        Q_EMIT aboutToRemoveRow(r);
        m_rows.removeAt(r);
        m_row = m_rows.isEmpty() ? -1 : qMin(r, int(m_rows.size()) - 1);
        setState(State::Browse);
        Q_EMIT rowRemoved(r);
        Q_EMIT currentRowChanged(m_row);
    }
}

void DataSet::remove()
{
    requireActive();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    requireRow();
    if (!isUpdatable())
        throw DataError(QStringLiteral("Набор данных «%1» нельзя изменять.").arg(objectName()));
    if (m_state == State::Edit)
        cancel();
    QSqlDatabase db = connection()->database();
    QSqlDriver *driver = db.driver();
    const QString table = driver->escapeIdentifier(m_updateTable, QSqlDriver::TableName);
    const int keyIndex = m_keyField.isEmpty() ? -1 : fieldIndex(m_keyField);
    QStringList conditions;
    QVariantList whereValues;
    const QStringList columns = tableColumns(db, m_updateTable);
    for (int i = 0; i < m_fields.size(); ++i) {
        const FieldDef &f = m_fields[i];
        if (f.kind != FieldKind::Data || !columns.contains(f.name.toUpper()))
            continue;
        if (keyIndex >= 0 && i != keyIndex)
            continue;
        conditions << driver->escapeIdentifier(f.name, QSqlDriver::FieldName) + QStringLiteral(" IS ?");
        whereValues << storevalue::toStore(m_rows[m_row][i]);
    }
    QSqlQuery q(db);
    if (!q.prepare(QStringLiteral("DELETE FROM ") + table + QStringLiteral(" WHERE ")
                   + conditions.join(QStringLiteral(" AND "))))
        throw DataError::fromSql(q.lastError());
    for (int i = 0; i < whereValues.size(); ++i)
        q.bindValue(i, whereValues[i]);
    if (!q.exec())
        throw DataError::fromSql(q.lastError());

    const int r = m_row;
    Q_EMIT aboutToRemoveRow(r);
    m_rows.removeAt(r);
    m_row = m_rows.isEmpty() ? -1 : qMin(r, int(m_rows.size()) - 1);
    m_eof = m_rows.isEmpty();
    Q_EMIT rowRemoved(r);
    Q_EMIT currentRowChanged(m_row);
    Q_EMIT afterDelete();
    if (m_row >= 0)
        Q_EMIT afterScroll();
    for (DataSet *d : std::as_const(m_details))
        d->masterMoved();
}

} // namespace tarvo
