#include "data/Connection.h"

#include "data/DataError.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace tarvo {

namespace {
Connection *g_default = nullptr;
int g_counter = 0;
}

Connection::Connection(QObject *parent)
    : QObject(parent)
    , m_name(QStringLiteral("tarvo-ADO-%1").arg(++g_counter))
{
    setObjectName(QStringLiteral("ADO"));
}

Connection::~Connection()
{
    close();
    if (g_default == this)
        g_default = nullptr;
}

Connection *Connection::defaultConnection()
{
    return g_default;
}

void Connection::setDefaultConnection(Connection *connection)
{
    g_default = connection;
}

void Connection::setExpectedIdentity(qint32 applicationId, int maxVersion)
{
    m_applicationId = applicationId;
    m_maxVersion = maxVersion;
}

QString Connection::filePath()
{
    return QDir::current().absoluteFilePath(QString::fromLatin1(FileName));
}

bool Connection::isOpen() const
{
    return QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen();
}

QSqlDatabase Connection::database()
{
    if (!isOpen())
        open();
    return QSqlDatabase::database(m_name, false);
}

void Connection::close()
{
    if (!QSqlDatabase::contains(m_name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

void Connection::open()
{
    close();
    const QString path = filePath();
    const QString folder = QDir::toNativeSeparators(QDir::currentPath());
    const QFileInfo info(path);
    if (!info.exists())
        throw DataError(QStringLiteral("Файл базы данных «%1» не найден в папке «%2».")
                            .arg(QString::fromLatin1(FileName), folder));
    if (!info.isFile())
        throw DataError(QStringLiteral("«%1» в папке «%2» не является файлом базы данных.")
                            .arg(QString::fromLatin1(FileName), folder));

    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        // mode=rw: open the existing file for reading and writing, never create it.
        db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded)
                           + QStringLiteral("?mode=rw"));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            failure = QStringLiteral("Не удалось открыть файл базы данных «%1»: %2")
                          .arg(QDir::toNativeSeparators(path), DataError::fromSql(db.lastError()).message());
        } else {
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("PRAGMA application_id")) || !q.next()) {
                failure = QStringLiteral("Файл «%1» не является базой данных программы (%2).")
                              .arg(QDir::toNativeSeparators(path), DataError::fromSql(q.lastError()).message());
            } else {
                const qint64 appId = q.value(0).toLongLong();
                q.finish();
                int version = 0;
                if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next())
                    version = q.value(0).toInt();
                q.finish();
                if (m_applicationId != 0 && appId != m_applicationId) {
                    failure = QStringLiteral("Файл «%1» не является базой данных программы.")
                                  .arg(QDir::toNativeSeparators(path));
                } else if (m_maxVersion != 0 && version > m_maxVersion) {
                    failure = QStringLiteral("База данных «%1» создана более новой версией программы "
                                             "(версия схемы %2, программа знает версии до %3).")
                                  .arg(QDir::toNativeSeparators(path)).arg(version).arg(m_maxVersion);
                } else if (m_maxVersion != 0 && version < 1) {
                    failure = QStringLiteral("Файл «%1» не является базой данных программы.")
                                  .arg(QDir::toNativeSeparators(path));
                } else {
                    // Relations enforced; a committed change survives a crash or power cut.
                    for (const char *pragma : {"PRAGMA foreign_keys = ON", "PRAGMA synchronous = FULL"}) {
                        if (!q.exec(QString::fromLatin1(pragma))) {
                            failure = QStringLiteral("Не удалось настроить базу данных «%1»: %2")
                                          .arg(QDir::toNativeSeparators(path),
                                               DataError::fromSql(q.lastError()).message());
                            break;
                        }
                    }
                }
            }
        }
    }
    if (!failure.isEmpty()) {
        close();
        throw DataError(failure);
    }
    Q_EMIT opened();
}

} // namespace tarvo
