#include "data/StoredProc.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/StoreValue.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

namespace tarvo {

StoredProc::StoredProc(const QString &objectName, const QString &procedureName,
                       const QList<Param> &params, QObject *parent)
    : QObject(parent)
    , m_procedure(procedureName)
    , m_params(params)
{
    setObjectName(objectName);
    clearParams();
}

void StoredProc::setConnection(Connection *connection)
{
    m_connection = connection;
}

void StoredProc::setParam(int index, const QVariant &value)
{
    if (index < 0 || index >= m_values.size())
        throw DataError(QStringLiteral("У процедуры «%1» нет параметра %2.").arg(m_procedure).arg(index + 1));
    m_values[index] = value;
}

QVariant StoredProc::param(int index) const
{
    return m_values.value(index);
}

void StoredProc::clearParams()
{
    m_values = QVariantList(m_params.size());
}

void StoredProc::execute()
{
    Connection *conn = m_connection ? m_connection : Connection::defaultConnection();
    if (!conn)
        throw DataError(QStringLiteral("Нет соединения с базой данных."));
    QSqlDatabase db = conn->database();
    const QString name = db.driver()->escapeIdentifier(m_procedure, QSqlDriver::TableName);
    QString text = QStringLiteral("INSERT INTO ") + name;
    if (m_params.isEmpty()) {
        text += QStringLiteral(" DEFAULT VALUES");
    } else {
        QStringList marks;
        for (int i = 0; i < m_params.size(); ++i)
            marks << QStringLiteral("?");
        text += QStringLiteral(" VALUES (") + marks.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    QSqlQuery q(db);
    if (!q.prepare(text))
        throw DataError::fromSql(q.lastError());
    for (int i = 0; i < m_params.size(); ++i)
        q.bindValue(i, storevalue::toStore(m_values[i], m_params[i].type));
    if (!q.exec())
        throw DataError::fromSql(q.lastError());
}

} // namespace tarvo
