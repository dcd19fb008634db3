#include "StoreFixture.h"

#include "store/Store.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#include <sqlite3.h>

namespace {
int s_fixtureCount = 0;
}

StoreFixture::StoreFixture()
    : m_connection(QStringLiteral("store-fixture-%1").arg(++s_fixtureCount))
{
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary folder");
        return;
    }
    m_path = m_dir.filePath(QStringLiteral("Tarvo.mdb"));
    m_error = tarvo::store::create(m_path);
    if (!m_error.isEmpty())
        return;
    QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    d.setDatabaseName(m_path);
    if (!d.open()) {
        m_error = d.lastError().text();
        return;
    }
    QSqlQuery q(d);
    if (!q.exec(QStringLiteral("PRAGMA foreign_keys=ON")))
        m_error = q.lastError().text();
}

StoreFixture::~StoreFixture()
{
    {
        QSqlDatabase d = QSqlDatabase::database(m_connection, false);
        d.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

QSqlDatabase StoreFixture::db() const
{
    return QSqlDatabase::database(m_connection, false);
}

namespace {

StoreFixture::Result collect(QSqlQuery &q, bool ok)
{
    StoreFixture::Result r;
    if (!ok) {
        r.error = q.lastError().databaseText();
        if (r.error.isEmpty())
            r.error = q.lastError().text();
        return r;
    }
    const QSqlRecord rec = q.record();
    for (int i = 0; i < rec.count(); ++i)
        r.columns << rec.fieldName(i);
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < rec.count(); ++i)
            row << q.value(i);
        r.rows << row;
    }
    if (q.lastError().isValid())
        r.error = q.lastError().databaseText();
    return r;
}

} // namespace

StoreFixture::Result StoreFixture::query(const QString &sql,
                                         const QList<std::pair<QString, QVariant>> &named) const
{
    QSqlQuery q(db());
    if (!q.prepare(sql))
        return collect(q, false);
    for (const auto &[name, value] : named)
        q.bindValue(name, value);
    const bool ok = q.exec();
    return collect(q, ok);
}

StoreFixture::Result StoreFixture::exec(const QString &sql, const QVariantList &positional) const
{
    QSqlQuery q(db());
    if (!q.prepare(sql))
        return collect(q, false);
    for (const QVariant &v : positional)
        q.addBindValue(v);
    const bool ok = q.exec();
    return collect(q, ok);
}

QVariant StoreFixture::scalar(const QString &sql) const
{
    const Result r = query(sql);
    if (!r.error.isEmpty() || r.rows.isEmpty() || r.rows.first().isEmpty())
        return {};
    return r.rows.first().first();
}

QString StoreFixture::call(const QString &procedure, const QVariantList &params) const
{
    QString sql;
    if (params.isEmpty()) {
        sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(procedure);
    } else {
        QStringList marks;
        for (qsizetype i = 0; i < params.size(); ++i)
            marks << QStringLiteral("?");
        sql = QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(procedure, marks.join(QLatin1Char(',')));
    }
    return exec(sql, params).error;
}

int StoreFixture::addDistributor(const QString &fio, const QString &address, const QString &phone,
                                 const QDate &birthday)
{
    const QString e = call(QStringLiteral("Distributor_Insert"), {fio, address, phone, iso(birthday)});
    if (!e.isEmpty()) {
        QTest::qFail(qPrintable(e), __FILE__, __LINE__);
        return -1;
    }
    return scalar(QStringLiteral("SELECT max(ID_DISTRIBUTOR) FROM DISTRIBUTOR")).toInt();
}

int StoreFixture::addGood(const QString &name, double price, bool taxed)
{
    const QString e = call(QStringLiteral("Good_Insert"), {name, price, taxed});
    if (!e.isEmpty()) {
        QTest::qFail(qPrintable(e), __FILE__, __LINE__);
        return -1;
    }
    return scalar(QStringLiteral("SELECT max(ID_GOOD) FROM GOOD")).toInt();
}

int StoreFixture::addOrder(const QDate &date, int distributor)
{
    const QString e = call(QStringLiteral("Order_Insert"), {iso(date), distributor});
    if (!e.isEmpty()) {
        QTest::qFail(qPrintable(e), __FILE__, __LINE__);
        return -1;
    }
    return scalar(QStringLiteral("SELECT max(ID_ORDER) FROM [ORDER]")).toInt();
}

int StoreFixture::addLine(int order, int good, int quantity)
{
    const Result r = exec(QStringLiteral("INSERT INTO ORDER_LINE (ID_ORDER, ID_GOOD, QUANTITY) "
                                         "VALUES (?, ?, ?)"),
                          {order, good, quantity});
    if (!r.error.isEmpty()) {
        QTest::qFail(qPrintable(r.error), __FILE__, __LINE__);
        return -1;
    }
    return scalar(QStringLiteral("SELECT max(ID_ORDER_LINE) FROM ORDER_LINE")).toInt();
}

void StoreFixture::setRate(qint64 tenThousandths)
{
    const Result r = exec(QStringLiteral("UPDATE SETUP SET NsP = ?"), {tenThousandths});
    if (!r.error.isEmpty())
        QTest::qFail(qPrintable(r.error), __FILE__, __LINE__);
}

QString StoreFixture::snapshot() const
{
    QString out;
    for (const char *table : {"DISTRIBUTOR", "GOOD", "\"ORDER\"", "ORDER_LINE", "SETUP", "AVANS"}) {
        out += QLatin1String(table) + QLatin1Char('\n');
        QSqlQuery q(db());
        if (!q.exec(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(QLatin1String(table)))) {
            out += QStringLiteral("error: ") + q.lastError().text();
            continue;
        }
        while (q.next()) {
            QStringList cells;
            for (int i = 0; i < q.record().count(); ++i) {
                const QVariant v = q.value(i);
                cells << (v.isNull() ? QStringLiteral("NULL")
                                     : QStringLiteral("%1:%2").arg(QLatin1String(v.typeName()),
                                                                   v.toString()));
            }
            out += cells.join(QLatin1Char('|')) + QLatin1Char('\n');
        }
    }
    return out;
}

QStringList StoreFixture::declaredColumns(const QString &statement) const
{
    QStringList result;
    auto *handle = *static_cast<sqlite3 *const *>(db().driver()->handle().data());
    sqlite3_stmt *stmt = nullptr;
    const QByteArray sql = statement.toUtf8();
    if (sqlite3_prepare_v2(handle, sql.constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        result << QStringLiteral("error: ") + QString::fromUtf8(sqlite3_errmsg(handle));
        return result;
    }
    for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
        const char *type = sqlite3_column_decltype(stmt, i);
        result << QStringLiteral("%1:%2").arg(QString::fromUtf8(sqlite3_column_name(stmt, i)),
                                              type ? QString::fromUtf8(type) : QString());
    }
    sqlite3_finalize(stmt);
    return result;
}

QString StoreFixture::lines(std::initializer_list<const char *> parts)
{
    QStringList l;
    for (const char *p : parts)
        l << QString::fromUtf8(p);
    return l.join(QLatin1Char('\n'));
}

QDate StoreFixture::monthStart(int offset)
{
    const QDate today = QDate::currentDate();
    return QDate(today.year(), today.month(), 1).addMonths(offset);
}
