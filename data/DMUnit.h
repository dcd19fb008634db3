#pragma once

#include <QObject>

namespace tarvo {

class Connection;

// The data module: holds the program's single connection `ADO`, created
// closed. Every data set and procedure call of every window goes through it.
class TDM : public QObject
{
    Q_OBJECT
public:
    explicit TDM(QObject *parent = nullptr);
    ~TDM() override;

    Connection *ADO() const { return m_ado; }

private:
    Connection *m_ado;
};

} // namespace tarvo
