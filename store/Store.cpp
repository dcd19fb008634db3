#include "store/Store.h"

#include "store/StoreDemo.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>

#include <sqlite3.h>

#include <functional>

namespace tarvo::store {

namespace {

constexpr int SchemaVersionValue = 1;
constexpr qint32 ApplicationIdValue = 0x54415256; // "TARV"

const char *const Scripts[] = {
    ":/tarvo/store/schema.sql",
    ":/tarvo/store/queries.sql",
    ":/tarvo/store/procedures.sql",
};

// A private connection to one file, removed again when it goes out of scope.
// Queries on it must be gone before it is.
class Connection
{
public:
    Connection(const QString &path, bool readOnly)
        : m_name(QStringLiteral("tarvo-store-%1").arg(s_counter.fetchAndAddRelaxed(1)))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        if (readOnly)
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    }
    ~Connection()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

    QString open()
    {
        QSqlDatabase d = db();
        if (!d.isValid())
            return QStringLiteral("Драйвер SQLite (QSQLITE) недоступен");
        if (!d.open())
            return d.lastError().text();
        return {};
    }

private:
    static inline QAtomicInteger<int> s_counter{0};
    QString m_name;
};

QString errorText(const QSqlError &error)
{
    const QString text = error.databaseText();
    return text.isEmpty() ? error.text() : text;
}

QString exec(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery q(db);
    if (!q.exec(sql))
        return errorText(q.lastError());
    return {};
}

// Runs one definition script statement by statement; sqlite3_complete() tells
// where a statement (a CREATE TRIGGER with its body included) ends.
QString runScript(const QSqlDatabase &db, const QString &resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Не найден ресурс %1").arg(resource);
    const QList<QByteArray> lines = file.readAll().split('\n');
    QByteArray statement;
    bool hasCode = false;
    for (const QByteArray &line : lines) {
        statement += line;
        statement += '\n';
        const QByteArray trimmed = line.trimmed();
        if (!trimmed.isEmpty() && !trimmed.startsWith("--"))
            hasCode = true;
        if (hasCode && sqlite3_complete(statement.constData())) {
            const QString error = exec(db, QString::fromUtf8(statement));
            if (!error.isEmpty())
                return QStringLiteral("%1: %2\n%3").arg(resource, error,
                                                         QString::fromUtf8(statement.trimmed()));
            statement.clear();
            hasCode = false;
        }
    }
    if (hasCode)
        return QStringLiteral("%1: незавершённая команда в конце файла").arg(resource);
    return {};
}

QString pragmaSet(const QSqlDatabase &db)
{
    QString error = exec(db, QStringLiteral("PRAGMA application_id = %1").arg(ApplicationIdValue));
    if (error.isEmpty())
        error = exec(db, QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersionValue));
    return error;
}

// Writes a complete store into a temporary file next to `path`, lets `fill`
// add data in the same transaction and only then moves the file into place.
QString build(const QString &path, bool overwrite,
              const std::function<QString(const QSqlDatabase &)> &fill)
{
    const QFileInfo target(path);
    if (target.exists() && !overwrite)
        return QStringLiteral("Файл «%1» уже существует").arg(path);
    if (target.exists() && !target.isFile())
        return QStringLiteral("«%1» не является файлом").arg(path);
    if (!target.absoluteDir().exists())
        return QStringLiteral("Папка «%1» не существует").arg(target.absolutePath());

    QTemporaryFile temp(target.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!temp.open())
        return QStringLiteral("Не удалось создать файл в папке «%1»: %2")
            .arg(target.absolutePath(), temp.errorString());
    temp.close();

    QString error;
    {
        Connection connection(temp.fileName(), false);
        error = connection.open();
        if (error.isEmpty()) {
            const QSqlDatabase db = connection.db();
            error = exec(db, QStringLiteral("PRAGMA foreign_keys = ON"));
            if (error.isEmpty())
                error = exec(db, QStringLiteral("BEGIN"));
            for (const char *script : Scripts) {
                if (!error.isEmpty())
                    break;
                error = runScript(db, QString::fromLatin1(script));
            }
            if (error.isEmpty())
                error = pragmaSet(db);
            if (error.isEmpty() && fill)
                error = fill(db);
            if (error.isEmpty())
                error = exec(db, QStringLiteral("COMMIT"));
            else
                exec(db, QStringLiteral("ROLLBACK"));
        }
    }
    if (!error.isEmpty())
        return error;

    if (target.exists() && !QFile::remove(path))
        return QStringLiteral("Не удалось заменить файл «%1»").arg(path);
    if (!temp.rename(path))
        return QStringLiteral("Не удалось записать файл «%1»: %2").arg(path, temp.errorString());
    temp.setAutoRemove(false);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser
                                    | QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);
    return {};
}

} // namespace

int schemaVersion()
{
    return SchemaVersionValue;
}

qint32 applicationId()
{
    return ApplicationIdValue;
}

QStringList definitionScripts()
{
    QStringList result;
    for (const char *script : Scripts)
        result << QString::fromLatin1(script);
    return result;
}

QString create(const QString &path, bool overwrite)
{
    return build(path, overwrite, {});
}

QString demo(const QString &path, bool overwrite)
{
    return build(path, overwrite, [](const QSqlDatabase &db) { return fillDemo(db); });
}

QString check(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("Файл «%1» не найден").arg(path);
    if (!info.isFile())
        return QStringLiteral("«%1» не является файлом").arg(path);

    QStringList problems;
    {
        Connection connection(path, true);
        const QString openError = connection.open();
        if (!openError.isEmpty())
            return QStringLiteral("Не удалось открыть «%1»: %2").arg(path, openError);
        QSqlQuery q(connection.db());

        if (!q.exec(QStringLiteral("PRAGMA application_id")) || !q.next())
            return QStringLiteral("«%1» не читается как файл SQLite: %2")
                .arg(path, errorText(q.lastError()));
        const qint32 appId = q.value(0).toInt();
        if (appId != ApplicationIdValue)
            problems << QStringLiteral("Файл не является хранилищем программы: application_id %1, "
                                       "ожидается %2").arg(appId).arg(ApplicationIdValue);

        if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
            return QStringLiteral("«%1»: %2").arg(path, errorText(q.lastError()));
        const int version = q.value(0).toInt();
        if (version != SchemaVersionValue)
            problems << QStringLiteral("Версия схемы %1, ожидается %2")
                            .arg(version).arg(SchemaVersionValue);

        if (!q.exec(QStringLiteral("PRAGMA integrity_check"))) {
            problems << QStringLiteral("PRAGMA integrity_check: %1").arg(errorText(q.lastError()));
        } else {
            QStringList lines;
            while (q.next())
                lines << q.value(0).toString();
            if (lines != QStringList{QStringLiteral("ok")})
                problems << QStringLiteral("Нарушена целостность файла: %1")
                                .arg(lines.join(QStringLiteral("; ")));
        }

        if (!q.exec(QStringLiteral("PRAGMA foreign_key_check"))) {
            problems << QStringLiteral("PRAGMA foreign_key_check: %1").arg(errorText(q.lastError()));
        } else {
            while (q.next())
                problems << QStringLiteral("Нарушена ссылка: таблица %1, строка %2 ссылается на "
                                           "отсутствующую запись таблицы %3")
                                .arg(q.value(0).toString(), q.value(1).toString(),
                                     q.value(2).toString());
        }
    }
    return problems.join(QLatin1Char('\n'));
}

} // namespace tarvo::store
