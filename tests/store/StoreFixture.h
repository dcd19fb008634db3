#pragma once

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <initializer_list>
#include <utility>

// A new store in a temporary folder with a connection opened the way the
// program opens it (foreign keys on). Values are bound as the program binds
// them: text as QString, integers as int, booleans as bool, dates as ISO text
// "yyyy-MM-dd", a price as a double number of roubles.
class StoreFixture
{
public:
    StoreFixture();
    ~StoreFixture();
    StoreFixture(const StoreFixture &) = delete;
    StoreFixture &operator=(const StoreFixture &) = delete;

    // Empty when the store was created and opened.
    QString error() const { return m_error; }
    QString path() const { return m_path; }
    QString folder() const { return m_dir.path(); }
    QSqlDatabase db() const;

    struct Result
    {
        QStringList columns;
        QList<QVariantList> rows;
        QString error;   // the store's message, empty on success
    };

    // Runs a statement; `named` binds ":NAME" parameters, `positional` "?" ones.
    Result query(const QString &sql, const QList<std::pair<QString, QVariant>> &named = {}) const;
    Result exec(const QString &sql, const QVariantList &positional) const;
    // The first value of the first row (invalid when there is no row).
    QVariant scalar(const QString &sql) const;
    // Calls a stored procedure with its parameters by position; returns the
    // store's message, empty on success.
    QString call(const QString &procedure, const QVariantList &params = {}) const;

    // Rows added through the procedures (lines directly, as the orders window
    // writes them); each returns the new key, or -1 after a failed test check.
    int addDistributor(const QString &fio, const QString &address = QStringLiteral("адрес\r\n"),
                       const QString &phone = QStringLiteral("(495)123-45-67"),
                       const QDate &birthday = QDate(1970, 1, 15));
    int addGood(const QString &name, double price, bool taxed);
    int addOrder(const QDate &date, int distributor);
    int addLine(int order, int good, int quantity);
    // Sets the tax rate in ten-thousandths (500 is 0.05).
    void setRate(qint64 tenThousandths);

    // Every row of every table with its storage types: equal snapshots mean
    // nothing was written.
    QString snapshot() const;

    // Declared column types of a statement's result as the data layer reads
    // them (sqlite3_column_decltype): "NAME:TYPE" per column, "NAME:" where
    // there is none.
    QStringList declaredColumns(const QString &sql) const;

    // The statement's lines joined by line breaks, as the windows send them.
    static QString lines(std::initializer_list<const char *> parts);
    static QString iso(const QDate &date) { return date.toString(QStringLiteral("yyyy-MM-dd")); }
    // The first day of the month `offset` months from the current one.
    static QDate monthStart(int offset);

private:
    QTemporaryDir m_dir;
    QString m_path;
    QString m_connection;
    QString m_error;
};
