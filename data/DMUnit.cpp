#include "data/DMUnit.h"

#include "data/Connection.h"

namespace tarvo {

TDM::TDM(QObject *parent)
    : QObject(parent)
    , m_ado(new Connection(this))
{
    setObjectName(QStringLiteral("DM"));
    Connection::setDefaultConnection(m_ado);
}

TDM::~TDM()
{
    m_ado->close();
    if (Connection::defaultConnection() == m_ado)
        Connection::setDefaultConnection(nullptr);
}

} // namespace tarvo
