#include "data/Connection.h"
#include "data/DataError.h"
#include "data/DataSet.h"
#include "data/DataSetModel.h"
#include "data/DMUnit.h"
#include "data/StoredProc.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

using namespace tarvo;

namespace {

const char *const FixtureSql[] = {
    "CREATE TABLE GOOD (ID_GOOD INTEGER PRIMARY KEY AUTOINCREMENT, GOOD_NAME TEXT(50), "
    "PRICE CURRENCY, NsP BOOLEAN)",
    "CREATE TABLE \"ORDER\" (ID_ORDER INTEGER PRIMARY KEY AUTOINCREMENT, DATE DATETIME)",
    "CREATE TABLE ORDER_LINE (ID_ORDER_LINE INTEGER PRIMARY KEY AUTOINCREMENT, "
    "ID_ORDER INTEGER REFERENCES \"ORDER\"(ID_ORDER), ID_GOOD INTEGER, QUANTITY INTEGER)",
    "CREATE TABLE SETUP (OurName TEXT(50), NsP CURRENCY)",
    "CREATE TRIGGER ORDER_LINE_QTY BEFORE INSERT ON ORDER_LINE WHEN NEW.QUANTITY < 0 "
    "BEGIN SELECT RAISE(ABORT, 'Количество не может быть отрицательным'); END",
    "CREATE VIEW Good_Insert AS SELECT NULL AS P_GOOD_NAME, NULL AS P_PRICE, NULL AS P_NsP WHERE 0",
    "CREATE TRIGGER Good_Insert_Do INSTEAD OF INSERT ON Good_Insert BEGIN "
    "SELECT RAISE(ABORT, 'Не указано наименование товара') WHERE NEW.P_GOOD_NAME IS NULL; "
    "INSERT INTO GOOD (GOOD_NAME, PRICE, NsP) "
    "VALUES (NEW.P_GOOD_NAME, CAST(round(NEW.P_PRICE * 10000) AS INTEGER), NEW.P_NsP); END",
    "INSERT INTO GOOD (GOOD_NAME, PRICE, NsP) VALUES ('Мыло', 1505000, 1), ('Хлеб', 250000, 0), "
    "('Сахар', 1515000, 1)",
    "INSERT INTO \"ORDER\" (DATE) VALUES ('2026-03-01'), ('2026-03-31')",
    "INSERT INTO ORDER_LINE (ID_ORDER, ID_GOOD, QUANTITY) VALUES (1, 1, 10), (1, 2, 2), (2, 2, 1)",
    "INSERT INTO SETUP VALUES ('ООО «Ромашка»', 500)",
};

QList<QVariantList> storeRows(const QString &sql)
{
    QSqlQuery q(Connection::defaultConnection()->database());
    if (!q.exec(sql))
        return {};
    QList<QVariantList> out;
    while (q.next()) {
        QVariantList r;
        for (int i = 0; i < q.record().count(); ++i)
            r << q.value(i);
        out << r;
    }
    return out;
}

QString errorOf(const std::function<void()> &fn)
{
    try {
        fn();
    } catch (const DataError &e) {
        return e.message();
    }
    return QString();
}

} // namespace

class TestDataSet : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_saved = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        QFile::remove(QStringLiteral("Tarvo.mdb"));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
            db.setDatabaseName(m_dir.filePath(QStringLiteral("Tarvo.mdb")));
            QVERIFY(db.open());
            QSqlQuery q(db);
            for (const char *s : FixtureSql)
                QVERIFY2(q.exec(QString::fromUtf8(s)), s);
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
        m_dm = new TDM;
    }
    void cleanup()
    {
        delete m_dm;
        m_dm = nullptr;
        QDir::setCurrent(m_saved);
    }

    void fieldsTakeTheStoreTypes()
    {
        DataSet goods(QStringLiteral("aqGoods"));
        goods.setSql({QStringLiteral("SELECT * FROM Good"), QStringLiteral("ORDER BY ID_GOOD")});
        goods.open();
        QCOMPARE(goods.rowCount(), 3);
        QCOMPARE(goods.fieldDef(goods.fieldIndex(QStringLiteral("price"))).type, FieldType::Currency);
        QCOMPARE(goods.asMoney(QStringLiteral("PRICE")), Money::fromRaw(1505000));
        QCOMPARE(goods.asBoolean(QStringLiteral("NsP")), true);
        goods.next();
        QCOMPARE(goods.asBoolean(QStringLiteral("nsp")), false);

        DataSet orders(QStringLiteral("aqOrders"));
        orders.setSql({QStringLiteral("Select * from [ORDER]")});
        orders.addFieldDef(FieldDef::data(QStringLiteral("DATE"), FieldType::DateTime, QStringLiteral("dd.mm.yyyy")));
        orders.open();
        QCOMPARE(orders.asDateTime(QStringLiteral("DATE"))->date(), QDate(2026, 3, 1));
        QCOMPARE(orders.displayText(QStringLiteral("DATE")), QStringLiteral("01.03.2026"));
        // A sum has no declared type; a definition makes it money.
        DataSet totals(QStringLiteral("aqGetQty"));
        totals.setSql({QStringLiteral("SELECT Sum(ORDER_LINE.QUANTITY) AS QTY, Sum([QUANTITY]*[PRICE]) AS SUMM"),
                       QStringLiteral("FROM GOOD INNER JOIN ORDER_LINE ON GOOD.ID_GOOD = ORDER_LINE.ID_GOOD"),
                       QStringLiteral("WHERE ID_ORDER=:ID_ORDER")});
        totals.addFieldDef(FieldDef::data(QStringLiteral("QTY"), FieldType::Float));
        totals.addFieldDef(FieldDef::data(QStringLiteral("SUMM"), FieldType::Currency));
        totals.setParam(QStringLiteral("id_order"), 1);
        totals.open();
        QCOMPARE(totals.asFloat(QStringLiteral("QTY")), 12.0);
        QCOMPARE(totals.asMoney(QStringLiteral("SUMM")), Money::fromUnits(1555));
    }

    void masterLinkFollowsTheCurrentRow()
    {
        DataSet orders(QStringLiteral("aqOrders"));
        orders.setSql({QStringLiteral("Select * from [ORDER] order by ID_ORDER")});
        DataSet lines(QStringLiteral("aqOrderLine"));
        // The parameter is written in another case than the master's field.
        lines.setSql({QStringLiteral("Select ORDER_LINE.*, SETUP.Nsp as Nsp_Val from ORDER_LINE,SETUP"),
                      QStringLiteral("where id_order=:Id_Order")});
        lines.setMaster(&orders);
        lines.setUpdateTable(QStringLiteral("ORDER_LINE"), QStringLiteral("ID_ORDER_LINE"));
        orders.open();
        lines.open();
        QCOMPARE(lines.rowCount(), 2);
        orders.next();
        QCOMPARE(lines.rowCount(), 1);
        QCOMPARE(lines.asInteger(QStringLiteral("ID_GOOD")), 2);
        orders.first();
        QCOMPARE(lines.rowCount(), 2);
        QCOMPARE(lines.row(), 0);

        // A new line takes the master's ID_ORDER; the posted row reads back the
        // store's columns (its key and the rate of the cross join).
        orders.last();
        lines.append();
        QCOMPARE(lines.asInteger(QStringLiteral("ID_ORDER")), 2);
        lines.setValue(QStringLiteral("ID_GOOD"), 3);
        lines.setValue(QStringLiteral("QUANTITY"), 4);
        lines.post();
        QVERIFY(lines.asInteger(QStringLiteral("ID_ORDER_LINE")) > 3);
        QCOMPARE(lines.asMoney(QStringLiteral("Nsp_Val")), Money::fromRaw(500));
        QCOMPARE(storeRows(QStringLiteral("SELECT ID_ORDER, ID_GOOD, QUANTITY FROM ORDER_LINE WHERE ID_GOOD = 3")),
                 (QList<QVariantList>{{2, 3, 4}}));

        // A pending line is posted before the master moves.
        lines.first();
        lines.edit();
        lines.setValue(QStringLiteral("QUANTITY"), 7);
        orders.first();
        QCOMPARE(storeRows(QStringLiteral("SELECT QUANTITY FROM ORDER_LINE WHERE ID_ORDER_LINE = 3")),
                 (QList<QVariantList>{{7}}));
    }

    void bookmarkReturnsAfterReopen_data()
    {
        QTest::addColumn<QString>("order");
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<int>("expectedId");
        // Row 1 holds ID 2 in both orders; by key it is found wherever it stands.
        QTest::newRow("same order by key") << QStringLiteral("ORDER BY ID_GOOD") << true << 2;
        QTest::newRow("reversed by key") << QStringLiteral("ORDER BY ID_GOOD desc") << true << 2;
        QTest::newRow("reversed by row number") << QStringLiteral("ORDER BY ID_GOOD desc") << false << 2;
        QTest::newRow("by name, row number") << QStringLiteral("ORDER BY GOOD_NAME") << false << 3;
    }
    void bookmarkReturnsAfterReopen()
    {
        QFETCH(QString, order);
        QFETCH(bool, byKey);
        QFETCH(int, expectedId);
        DataSet goods(QStringLiteral("aqGoods"));
        if (byKey)
            goods.setKeyField(QStringLiteral("ID_GOOD"));
        goods.setSql({QStringLiteral("SELECT * FROM Good"), QStringLiteral("ORDER BY ID_GOOD")});
        goods.open();
        goods.setRow(1);
        const DataSet::Bookmark mark = goods.bookmark();
        goods.close();
        goods.setSql({QStringLiteral("SELECT * FROM Good"), order});
        goods.open();
        QCOMPARE(goods.row(), 0);
        goods.gotoBookmark(mark);
        QCOMPARE(goods.asInteger(QStringLiteral("ID_GOOD")), expectedId);
    }

    void rowNumberBeyondTheListStaysOnTheFirstRow()
    {
        DataSet goods(QStringLiteral("aqGoods"));
        goods.setSql({QStringLiteral("SELECT * FROM Good WHERE ID_GOOD < 3")});
        goods.open();
        goods.gotoRowNumber(2);
        QCOMPARE(goods.row(), 0);
        goods.gotoRowNumber(1);
        QCOMPARE(goods.row(), 1);
    }

    void calculatedAndLookedUpFields()
    {
        DataSet goods(QStringLiteral("aqGoods"));
        goods.setSql({QStringLiteral("select * from GOOD"), QStringLiteral("ORDER BY GOOD.GOOD_NAME")});
        goods.open();
        DataSet lines(QStringLiteral("aqOrderLine"));
        lines.setSql({QStringLiteral("Select ORDER_LINE.*, SETUP.Nsp as Nsp_Val from ORDER_LINE,SETUP"),
                      QStringLiteral("order by ID_ORDER_LINE")});
        lines.setUpdateTable(QStringLiteral("ORDER_LINE"), QStringLiteral("ID_ORDER_LINE"));
        lines.addFieldDef(FieldDef::lookup(QStringLiteral("GOOD_NAME"), FieldType::Text, QStringLiteral("ID_GOOD"),
                                           &goods, QStringLiteral("ID_GOOD"), QStringLiteral("GOOD_NAME")));
        // An integer looked up from money is rounded half to even: 150.50 -> 150, 151.50 -> 152.
        lines.addFieldDef(FieldDef::lookup(QStringLiteral("PRICE"), FieldType::Integer, QStringLiteral("ID_GOOD"),
                                           &goods, QStringLiteral("ID_GOOD"), QStringLiteral("PRICE")));
        lines.addFieldDef(FieldDef::calculated(QStringLiteral("SUMMA"), FieldType::Currency));
        int calcRuns = 0;
        lines.setCalcFieldsHandler([&calcRuns](DataSet &ds) {
            ++calcRuns;
            ds.setValue(QStringLiteral("SUMMA"),
                        QVariant::fromValue(Money::fromUnits(ds.asInteger(QStringLiteral("PRICE")))
                                            * ds.asInteger(QStringLiteral("QUANTITY"))));
        });
        lines.open();
        QCOMPARE(calcRuns, 3);
        QCOMPARE(lines.asString(QStringLiteral("GOOD_NAME")), QStringLiteral("Мыло"));
        QCOMPARE(lines.asInteger(QStringLiteral("PRICE")), 150);
        QCOMPARE(lines.asMoney(QStringLiteral("SUMMA")), Money::fromUnits(1500));

        // Choosing another name sets the key and recalculates at once.
        lines.edit();
        lines.setValue(QStringLiteral("GOOD_NAME"), QStringLiteral("Сахар"));
        QCOMPARE(lines.asInteger(QStringLiteral("ID_GOOD")), 3);
        QCOMPARE(lines.asInteger(QStringLiteral("PRICE")), 152);
        QCOMPARE(lines.asMoney(QStringLiteral("SUMMA")), Money::fromUnits(1520));
        lines.setValue(QStringLiteral("QUANTITY"), 2);
        QCOMPARE(lines.asMoney(QStringLiteral("SUMMA")), Money::fromUnits(304));
        lines.cancel();
        QCOMPARE(lines.asInteger(QStringLiteral("ID_GOOD")), 1);
        QCOMPARE(lines.asMoney(QStringLiteral("SUMMA")), Money::fromUnits(1500));
        QCOMPARE(storeRows(QStringLiteral("SELECT ID_GOOD, QUANTITY FROM ORDER_LINE WHERE ID_ORDER_LINE = 1")),
                 (QList<QVariantList>{{1, 10}}));
        // A key that is not in the list gives an empty looked-up value.
        lines.edit();
        lines.setValue(QStringLiteral("ID_GOOD"), 99);
        QVERIFY(lines.isNull(QStringLiteral("GOOD_NAME")));
        QCOMPARE(lines.asMoney(QStringLiteral("SUMMA")), Money());
    }

    void refusedPostKeepsTheInput()
    {
        DataSet lines(QStringLiteral("aqOrderLine"));
        lines.setSql({QStringLiteral("select * from ORDER_LINE")});
        lines.setUpdateTable(QStringLiteral("ORDER_LINE"), QStringLiteral("ID_ORDER_LINE"));
        lines.open();
        lines.append();
        lines.setValue(QStringLiteral("ID_ORDER"), 1);
        lines.setValue(QStringLiteral("ID_GOOD"), 1);
        lines.setValue(QStringLiteral("QUANTITY"), -1);
        const QString message = errorOf([&] { lines.post(); });
        QCOMPARE(message, QStringLiteral("Количество не может быть отрицательным"));
        QCOMPARE(lines.state(), DataSet::State::Insert);
        QCOMPARE(lines.asInteger(QStringLiteral("QUANTITY")), -1);
        QCOMPARE(lines.rowCount(), 4);
        QCOMPARE(storeRows(QStringLiteral("SELECT count(*) FROM ORDER_LINE")), (QList<QVariantList>{{3}}));
        lines.cancel();
        QCOMPARE(lines.rowCount(), 3);
    }

    void deleteAndDataOutsideEditMode()
    {
        DataSet lines(QStringLiteral("aqOrderLine"));
        lines.setSql({QStringLiteral("select * from ORDER_LINE order by ID_ORDER_LINE")});
        lines.setUpdateTable(QStringLiteral("ORDER_LINE"), QStringLiteral("ID_ORDER_LINE"));
        lines.open();
        QVERIFY(errorOf([&] { lines.setValue(QStringLiteral("QUANTITY"), 5); }).contains(QStringLiteral("редактирования")));
        lines.setRow(1);
        lines.remove();
        QCOMPARE(lines.rowCount(), 2);
        QCOMPARE(lines.asInteger(QStringLiteral("ID_ORDER_LINE")), 3);
        QCOMPARE(storeRows(QStringLiteral("SELECT ID_ORDER_LINE FROM ORDER_LINE ORDER BY 1")),
                 (QList<QVariantList>{{1}, {3}}));
    }

    void rowWithoutKeyIsEditedInPlace()
    {
        DataSet setup(QStringLiteral("aqSetup"));
        setup.setSql({QStringLiteral("select * from setup")});
        setup.setUpdateTable(QStringLiteral("SETUP"), QString());
        setup.open();
        setup.edit();
        setup.setValue(QStringLiteral("OurName"), QStringLiteral("ООО «Василёк»"));
        setup.setValue(QStringLiteral("NsP"), QVariant::fromValue(Money::fromRaw(550)));
        setup.post();
        QCOMPARE(storeRows(QStringLiteral("SELECT OurName, NsP FROM SETUP")),
                 (QList<QVariantList>{{QStringLiteral("ООО «Василёк»"), 550}}));

        // On an empty table the first edit starts the row and the post inserts it.
        QSqlQuery(Connection::defaultConnection()->database()).exec(QStringLiteral("DELETE FROM SETUP"));
        setup.close();
        setup.open();
        QVERIFY(setup.isEmpty());
        setup.edit();
        QCOMPARE(setup.state(), DataSet::State::Insert);
        setup.setValue(QStringLiteral("OurName"), QStringLiteral("ИП Петров"));
        setup.setValue(QStringLiteral("NsP"), QVariant::fromValue(Money::fromRaw(500)));
        setup.post();
        QCOMPARE(storeRows(QStringLiteral("SELECT OurName, NsP FROM SETUP")),
                 (QList<QVariantList>{{QStringLiteral("ИП Петров"), 500}}));
    }

    void storedProcedureByPosition()
    {
        StoredProc proc(QStringLiteral("aspInsert"), QStringLiteral("Good_Insert"),
                        {{QStringLiteral("P_GOOD_NAME"), FieldType::Text},
                         {QStringLiteral("P_PRICE"), FieldType::Float},
                         {QStringLiteral("P_NsP"), FieldType::Boolean}});
        proc.setParam(0, QStringLiteral("Соль"));
        proc.setParam(1, QVariant::fromValue(Money::fromRaw(123400)));
        proc.setParam(2, true);
        proc.execute();
        QCOMPARE(storeRows(QStringLiteral("SELECT PRICE, NsP FROM GOOD WHERE GOOD_NAME = 'Соль'")),
                 (QList<QVariantList>{{123400, 1}}));
        proc.setParam(0, QVariant());
        QCOMPARE(errorOf([&] { proc.execute(); }), QStringLiteral("Не указано наименование товара"));
        QCOMPARE(storeRows(QStringLiteral("SELECT count(*) FROM GOOD")), (QList<QVariantList>{{4}}));
    }

    void modelFollowsTheDataSet()
    {
        DataSet goods(QStringLiteral("aqGoods"));
        goods.setSql({QStringLiteral("SELECT * FROM Good ORDER BY ID_GOOD")});
        DataSetModel model(&goods);
        model.setFields({QStringLiteral("GOOD_NAME"), QStringLiteral("NsP")});
        QSignalSpy moved(&model, &CurrentRowModel::currentRowChanged);
        goods.open();
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.columnCount(), 2);
        QCOMPARE(model.index(1, 0).data().toString(), QStringLiteral("Хлеб"));
        QCOMPARE(model.index(0, 1).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        model.setCurrentRow(2);
        QCOMPARE(goods.row(), 2);
        goods.first();
        QCOMPARE(model.currentRow(), 0);
        QVERIFY(moved.count() >= 3);
        QCOMPARE(moved.last().at(0).toInt(), 0);
        goods.close();
        QCOMPARE(model.rowCount(), 0);
    }

    void failingCalculationLeavesTheSetClosed()
    {
        DataSet goods(QStringLiteral("aqGoods"));
        goods.setSql({QStringLiteral("SELECT * FROM Good")});
        goods.addFieldDef(FieldDef::calculated(QStringLiteral("X"), FieldType::Integer));
        goods.setCalcFieldsHandler([](DataSet &) { throw DataError(QStringLiteral("нет связи")); });
        DataSetModel model(&goods);
        QCOMPARE(errorOf([&] { goods.open(); }), QStringLiteral("нет связи"));
        QVERIFY(!goods.isActive());
        QCOMPARE(model.rowCount(), 0);
        // The next open works once the calculation does.
        goods.setCalcFieldsHandler([](DataSet &ds) { ds.setValue(QStringLiteral("X"), 1); });
        goods.open();
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(goods.asInteger(QStringLiteral("X")), 1);
    }

private:
    QTemporaryDir m_dir;
    QString m_saved;
    TDM *m_dm = nullptr;
};

QTEST_GUILESS_MAIN(TestDataSet)
#include "tst_dataset.moc"
