// The store's definition as the program's data layer sees it: the columns
// and declared types of every table and stored query, the parameters of every
// procedure, the version marks, and the library's create and check.

#include "StoreFixture.h"

#include "store/Store.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace {

// Runs statements on a file through a private connection (foreign keys off,
// as any SQLite client may have them).
QString spoil(const QString &path, const QStringList &statements)
{
    const QString name = QStringLiteral("spoil");
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open()) {
            error = db.lastError().text();
        } else {
            QSqlQuery q(db);
            for (const QString &s : statements) {
                if (!q.exec(s)) {
                    error = s + QStringLiteral(": ") + q.lastError().text();
                    break;
                }
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return error;
}

} // namespace

class TestStoreSchema : public QObject
{
    Q_OBJECT

private slots:
    void marks()
    {
        StoreFixture f;
        QVERIFY2(f.error().isEmpty(), qPrintable(f.error()));
        QCOMPARE(tarvo::store::schemaVersion(), 1);
        QCOMPARE(f.scalar(QStringLiteral("PRAGMA user_version")).toInt(), 1);
        QCOMPARE(f.scalar(QStringLiteral("PRAGMA application_id")).toInt(),
                 tarvo::store::applicationId());
        QVERIFY(tarvo::store::applicationId() != 0);
        QCOMPARE(tarvo::store::check(f.path()), QString());
    }

    // "select * from <name>": the columns and what sqlite3_column_decltype
    // reports for each. Computed columns of the stored queries have none.
    void declaredTypes_data()
    {
        QTest::addColumn<QString>("object");
        QTest::addColumn<QStringList>("columns");
        const QString t50 = QStringLiteral("TEXT(50)");
        QTest::newRow("DISTRIBUTOR") << "DISTRIBUTOR"
            << QStringList{"ID_DISTRIBUTOR:INTEGER", "FIO:TEXT(50)", "ADDRESS:TEXT(250)",
                           "BIRTHDAY:DATETIME", "PHONE:TEXT(50)"};
        QTest::newRow("GOOD") << "GOOD"
            << QStringList{"ID_GOOD:INTEGER", "GOOD_NAME:TEXT(50)", "PRICE:CURRENCY", "NsP:BOOLEAN"};
        QTest::newRow("ORDER") << "[ORDER]"
            << QStringList{"ID_ORDER:INTEGER", "DATE:DATETIME", "ID_DISTRIBUTOR:INTEGER"};
        QTest::newRow("ORDER_LINE") << "ORDER_LINE"
            << QStringList{"ID_ORDER_LINE:INTEGER", "ID_ORDER:INTEGER", "ID_GOOD:INTEGER",
                           "QUANTITY:INTEGER"};
        QStringList setup;
        for (const char *c : {"OurName", "OurINN", "OurBank", "OurBIK", "OurKorrSch", "OurRs", "OurFIO",
                              "OurTel", "OurIMNS", "MNSINN", "MNSBank", "MNSBIK", "MNSKorrSch", "MNSRs",
                              "MNSNAME"})
            setup << QLatin1String(c) + QLatin1Char(':') + t50;
        setup << QStringLiteral("NsP:CURRENCY");
        QTest::newRow("SETUP") << "SETUP" << setup;
        QTest::newRow("AVANS") << "AVANS"
            << QStringList{"ID_AVANS:INTEGER", "Data:DATETIME", "SUMMA:CURRENCY"};

        QTest::newRow("V_ORDER") << "V_ORDER"
            << QStringList{"FIO:TEXT(50)", "ADDRESS:TEXT(250)", "PHONE:TEXT(50)", "DATE:DATETIME",
                           "Lock:", "ID_ORDER:INTEGER", "ID_DISTRIBUTOR:INTEGER"};
        QTest::newRow("V_AVANS") << "V_AVANS"
            << QStringList{"ID_AVANS:INTEGER", "Data:DATETIME", "Month:DATETIME", "Year:DATETIME",
                           "SUMMA:CURRENCY"};
        QTest::newRow("V_Get_new") << "V_Get_new" << QStringList{"NewDate:", "SUMM:"};
        QTest::newRow("V_Get_Old") << "V_Get_Old" << QStringList{"Data:DATETIME", "SUMMA:CURRENCY"};
        QTest::newRow("V_Periods") << "V_Periods" << QStringList{"Period:", "Start:", "Finish:"};
        QTest::newRow("V_Setup") << "V_Setup"
            << QStringList{"OurIMNS:TEXT(50)", "OURFIO:TEXT(50)", "OurTel:TEXT(50)", "Name:", "NspVal:"};
        QTest::newRow("V_Distributor_Check") << "V_Distributor_Check"
            << QStringList{"ID_ORDER:INTEGER", "DATE:DATETIME", "FIO:TEXT(50)", "ID_ORDER_LINE:INTEGER",
                           "ID_GOOD:INTEGER", "GOOD_NAME:TEXT(50)", "QUANTITY:INTEGER", "PRICE:CURRENCY",
                           "SUMMA:", "NsP_Sum:", "ID_DISTRIBUTOR:INTEGER", "ADDRESS:TEXT(250)",
                           "PHONE:TEXT(50)"};
    }
    void declaredTypes()
    {
        QFETCH(QString, object);
        QFETCH(QStringList, columns);
        StoreFixture f;
        QVERIFY2(f.error().isEmpty(), qPrintable(f.error()));
        QCOMPARE(f.declaredColumns(QStringLiteral("select * from ") + object), columns);
    }

    // A procedure's view lists its parameters in calling order.
    void procedureParameters_data()
    {
        QTest::addColumn<QString>("procedure");
        QTest::addColumn<QStringList>("parameters");
        QTest::newRow("Distributor_Insert") << "Distributor_Insert"
            << QStringList{"P_FIO", "P_ADDRESS", "P_PHONE", "P_BIRTHDAY"};
        QTest::newRow("Distributor_Update") << "Distributor_Update"
            << QStringList{"P_FIO", "P_ADDRESS", "P_PHONE", "P_BIRTHDAY", "P_ID_DISTRIBUTOR"};
        QTest::newRow("Distributor_Delete") << "Distributor_Delete" << QStringList{"P_ID_DISTRIBUTOR"};
        QTest::newRow("Good_Insert") << "Good_Insert" << QStringList{"P_GOOD_NAME", "P_PRICE", "P_NsP"};
        QTest::newRow("Good_Update") << "Good_Update"
            << QStringList{"P_GOOD_NAME", "P_PRICE", "P_NSP", "P_ID_GOOD"};
        QTest::newRow("Good_Delete") << "Good_Delete" << QStringList{"P_ID_GOOD"};
        QTest::newRow("Order_Insert") << "Order_Insert" << QStringList{"P_DATE", "P_ID_DISTRIBUTOR"};
        QTest::newRow("Order_Update") << "Order_Update"
            << QStringList{"P_DATE", "P_ID_DISTRIBUTOR", "P_ID_ORDER"};
        QTest::newRow("Order_Delete") << "Order_Delete" << QStringList{"P_ID_ORDER"};
    }
    void procedureParameters()
    {
        QFETCH(QString, procedure);
        QFETCH(QStringList, parameters);
        StoreFixture f;
        QVERIFY2(f.error().isEmpty(), qPrintable(f.error()));
        const auto r = f.query(QStringLiteral("select * from ") + procedure);
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.columns, parameters);
        QCOMPARE(r.rows.size(), 0);
    }

    void createKeepsAnExistingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tarvo.mdb"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a store");
        file.close();

        QCOMPARE(tarvo::store::create(path), QStringLiteral("Файл «%1» уже существует").arg(path));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("not a store"));
        file.close();

        QCOMPARE(tarvo::store::create(path, true), QString());
        QCOMPARE(tarvo::store::check(path), QString());
        // Nothing but the store is left in the folder.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Tarvo.mdb"});
    }

    void createIntoMissingFolder()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("no/such/Tarvo.mdb"));
        QVERIFY(!tarvo::store::create(path).isEmpty());
        QVERIFY(!QFile::exists(path));
    }

    // check() names every problem and writes nothing.
    void checkFindsProblems_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file") << "missing" << "Файл «%1» не найден";
        QTest::newRow("not SQLite") << "text" << "«%1» не читается как файл SQLite: file is not a database";
        QTest::newRow("another program's SQLite file") << "foreign"
            << QStringLiteral("Файл не является хранилищем программы: application_id 0, ожидается %1\n"
                              "Версия схемы 0, ожидается 1").arg(tarvo::store::applicationId());
        QTest::newRow("other schema version") << "version" << "Версия схемы 2, ожидается 1";
        QTest::newRow("broken reference") << "reference"
            << "Нарушена ссылка: таблица ORDER_LINE, строка 1 ссылается на отсутствующую запись таблицы GOOD";
    }
    void checkFindsProblems()
    {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tarvo.mdb"));
        if (kind == QLatin1String("text")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(4096, 'x'));
        } else if (kind == QLatin1String("foreign")) {
            QCOMPARE(spoil(path, {QStringLiteral("CREATE TABLE t (a)")}), QString());
        } else if (kind != QLatin1String("missing")) {
            QCOMPARE(tarvo::store::create(path), QString());
            if (kind == QLatin1String("version"))
                QCOMPARE(spoil(path, {QStringLiteral("PRAGMA user_version = 2")}), QString());
            if (kind == QLatin1String("reference"))
                QCOMPARE(spoil(path, {"INSERT INTO Distributor_Insert VALUES ('Иванов', '', '', '1970-01-01')",
                                      "INSERT INTO Good_Insert VALUES ('Хлеб', 32.5, 0)",
                                      "INSERT INTO Order_Insert VALUES ('2025-01-01', 1)",
                                      "INSERT INTO ORDER_LINE (ID_ORDER, ID_GOOD, QUANTITY) VALUES (1, 1, 1)",
                                      "DROP TRIGGER GOOD_Check_Delete",
                                      "DELETE FROM GOOD"}),
                         QString());
        }
        QCOMPARE(tarvo::store::check(path), message.contains(QLatin1String("%1")) ? message.arg(path) : message);
        QCOMPARE(QFile::exists(path), kind != QLatin1String("missing"));
    }
};

QTEST_GUILESS_MAIN(TestStoreSchema)
#include "tst_store_schema.moc"
