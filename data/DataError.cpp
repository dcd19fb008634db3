#include "data/DataError.h"

namespace tarvo {

DataError::DataError(const QString &message)
    : m_message(message), m_utf8(message.toUtf8())
{
}

DataError DataError::fromSql(const QSqlError &error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.text().trimmed();
    if (text.isEmpty())
        text = QStringLiteral("Неизвестная ошибка базы данных.");
    return DataError(text);
}

} // namespace tarvo
