#pragma once

#include "data/FieldDef.h"

#include <QList>
#include <QObject>
#include <QVariant>

namespace tarvo {

class Connection;

// A call of a stored procedure of the store: a name and typed input
// parameters filled by position; it returns no rows. In the store a procedure
// is a view of that name whose columns are its parameters, with a trigger
// doing the work, so a call is an insert into it.
class StoredProc : public QObject
{
    Q_OBJECT
public:
    struct Param
    {
        QString name;
        FieldType type;
    };

    StoredProc(const QString &objectName, const QString &procedureName,
               const QList<Param> &params, QObject *parent = nullptr);

    void setConnection(Connection *connection);
    QString procedureName() const { return m_procedure; }
    int paramCount() const { return int(m_params.size()); }
    const Param &paramDef(int index) const { return m_params.at(index); }

    // Values are converted to the parameter's type when the call runs.
    void setParam(int index, const QVariant &value);
    QVariant param(int index) const;
    void clearParams();

    // Runs the procedure; throws DataError with the store's own message.
    void execute();

private:
    Connection *m_connection = nullptr;
    QString m_procedure;
    QList<Param> m_params;
    QVariantList m_values;
};

} // namespace tarvo
