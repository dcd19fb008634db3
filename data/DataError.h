#pragma once

#include <QByteArray>
#include <QSqlError>
#include <QString>

#include <exception>

namespace tarvo {

// An error of the data store or of the data-access layer. Its message is the
// store's own text (a trigger's refusal, a constraint, a missing file) and is
// what the application-wide error box shows.
class DataError : public std::exception
{
public:
    explicit DataError(const QString &message);
    // The store's own message: QSqlError::databaseText(), or text() when the
    // driver gave none.
    static DataError fromSql(const QSqlError &error);

    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

} // namespace tarvo
