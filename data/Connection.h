#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>

namespace tarvo {

// The program's single connection to the data store: the file Tarvo.mdb in
// the process's current working directory. It is created closed and opens
// itself on first use; a failed open leaves it closed, so the next use tries
// again. It never creates the file. Every statement commits at once.
class Connection : public QObject
{
    Q_OBJECT
public:
    static constexpr const char *FileName = "Tarvo.mdb";

    explicit Connection(QObject *parent = nullptr);
    ~Connection() override;

    // The connection every data set and procedure uses unless told otherwise.
    static Connection *defaultConnection();
    static void setDefaultConnection(Connection *connection);

    // The store's identity: a file whose application id differs, or whose
    // schema version is newer than `maxVersion`, is refused. 0 = not checked.
    void setExpectedIdentity(qint32 applicationId, int maxVersion);

    // The file opened, as an absolute path in the current working directory.
    static QString filePath();

    bool isOpen() const;
    // The open database; opens the connection first when it is closed.
    // Throws DataError with a plain message saying what is wrong and where.
    QSqlDatabase database();
    void close();

Q_SIGNALS:
    void opened();

private:
    void open();

    QString m_name;
    qint32 m_applicationId = 0;
    int m_maxVersion = 0;
};

} // namespace tarvo
