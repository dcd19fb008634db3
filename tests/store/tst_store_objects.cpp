// The stored procedures and the stored queries that compute: what each
// procedure writes, every refusal (which must leave the data as it was), the
// closed period, the advance cycle, the reporting quarters and the setup
// texts. Dates are relative to today, so the tests pass in any month.

#include "StoreFixture.h"

#include <QTest>

#include <memory>

namespace {

const QString Closed = QStringLiteral("Период по месяц последнего аванса включительно закрыт: ");
const QString DayZero = QStringLiteral("1899-12-30");

QString procedure(const QString &name, int parameters)
{
    QStringList marks;
    for (int i = 0; i < parameters; ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(name, marks.join(QLatin1Char(',')));
}

} // namespace

class TestStoreObjects : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<StoreFixture> f;

    QVariant lock() const { return f->scalar(QStringLiteral("SELECT DISTINCT Lock FROM V_ORDER")); }
    StoreFixture::Result due() const { return f->query(QStringLiteral("select * from V_Get_new")); }

private slots:
    void init()
    {
        f = std::make_unique<StoreFixture>();
        QVERIFY2(f->error().isEmpty(), qPrintable(f->error()));
    }
    void cleanup() { f.reset(); }

    void distributorProcedures()
    {
        QCOMPARE(f->call(QStringLiteral("Distributor_Insert"),
                         {QStringLiteral("Иванов Иван Иванович"),
                          QStringLiteral("125009, г. Москва\r\nул. Тверская, д. 12\r\n"), QString(),
                          QStringLiteral("1970-01-15")}),
                 QString());
        auto r = f->query(QStringLiteral("SELECT * FROM DISTRIBUTOR"));
        QCOMPARE(r.rows, (QList<QVariantList>{{1, QStringLiteral("Иванов Иван Иванович"),
                                               QStringLiteral("125009, г. Москва\r\nул. Тверская, д. 12\r\n"),
                                               QStringLiteral("1970-01-15"),
                                               QStringLiteral("<Нет телефона>")}}));

        QCOMPARE(f->call(QStringLiteral("Distributor_Update"),
                         {QStringLiteral("Иванов И. И."), QStringLiteral("г. Тверь\r\n"),
                          QStringLiteral("(495)123-45-67"), QStringLiteral("1971-02-16"), 1}),
                 QString());
        r = f->query(QStringLiteral("SELECT * FROM DISTRIBUTOR"));
        QCOMPARE(r.rows, (QList<QVariantList>{{1, QStringLiteral("Иванов И. И."),
                                               QStringLiteral("г. Тверь\r\n"),
                                               QStringLiteral("1971-02-16"),
                                               QStringLiteral("(495)123-45-67")}}));

        QCOMPARE(f->call(QStringLiteral("Distributor_Delete"), {1}), QString());
        QCOMPARE(f->scalar(QStringLiteral("SELECT count(*) FROM DISTRIBUTOR")).toInt(), 0);
    }

    // Texts are kept whole up to their limits.
    void textLimits()
    {
        const QString fio(50, QChar(0x0416));       // "Ж" x 50
        const QString address(250, QChar(0x0416));
        QCOMPARE(f->call(QStringLiteral("Distributor_Insert"),
                         {fio, address, QString(50, QLatin1Char('5')), QStringLiteral("1970-01-15")}),
                 QString());
        auto r = f->query(QStringLiteral("SELECT FIO, ADDRESS, length(PHONE) FROM DISTRIBUTOR"));
        QCOMPARE(r.rows, (QList<QVariantList>{{fio, address, 50}}));
        QCOMPARE(f->call(QStringLiteral("Good_Insert"), {fio, 1.0, false}), QString());
        QCOMPARE(f->scalar(QStringLiteral("SELECT GOOD_NAME FROM GOOD")).toString(), fio);
    }

    // P_PRICE arrives as a double number of roubles.
    void goodPrices_data()
    {
        QTest::addColumn<double>("price");
        QTest::addColumn<qint64>("stored");
        QTest::newRow("12.5") << 12.5 << qint64(125000);
        QTest::newRow("150.50") << 150.50 << qint64(1505000);
        QTest::newRow("0.1") << 0.1 << qint64(1000);
        QTest::newRow("89.99") << 89.99 << qint64(899900);
        QTest::newRow("1234567.8912") << 1234567.8912 << qint64(12345678912);
        QTest::newRow("0") << 0.0 << qint64(0);
    }
    void goodPrices()
    {
        QFETCH(double, price);
        QFETCH(qint64, stored);
        QCOMPARE(f->call(QStringLiteral("Good_Insert"), {QStringLiteral("Товар"), price, true}), QString());
        auto r = f->query(QStringLiteral("SELECT PRICE, typeof(PRICE), NsP FROM GOOD"));
        QCOMPARE(r.rows, (QList<QVariantList>{{stored, QStringLiteral("integer"), 1}}));

        QCOMPARE(f->call(QStringLiteral("Good_Update"), {QStringLiteral("Товар"), price + 1.0, false, 1}),
                 QString());
        r = f->query(QStringLiteral("SELECT PRICE, typeof(PRICE), NsP FROM GOOD"));
        QCOMPARE(r.rows, (QList<QVariantList>{{stored + 10000, QStringLiteral("integer"), 0}}));
    }

    void goodDelete()
    {
        QCOMPARE(f->call(QStringLiteral("Good_Insert"), {QStringLiteral("Товар"), 1.0, true}), QString());
        QCOMPARE(f->call(QStringLiteral("Good_Delete"), {1}), QString());
        QCOMPARE(f->scalar(QStringLiteral("SELECT count(*) FROM GOOD")).toInt(), 0);
    }

    void orderProcedures()
    {
        const int d1 = f->addDistributor(QStringLiteral("Иванов"));
        const int d2 = f->addDistributor(QStringLiteral("Петров"));
        const int good = f->addGood(QStringLiteral("Товар"), 10.0, true);
        QCOMPARE(f->call(QStringLiteral("Order_Insert"), {QStringLiteral("2025-05-06"), d1}), QString());
        QCOMPARE(f->call(QStringLiteral("Order_Insert"), {QStringLiteral("2025-05-07"), d1}), QString());
        f->addLine(1, good, 3);
        f->addLine(1, good, 4);
        f->addLine(2, good, 5);

        QCOMPARE(f->call(QStringLiteral("Order_Update"), {QStringLiteral("2025-06-01"), d2, 1}), QString());
        auto r = f->query(QStringLiteral("SELECT * FROM [ORDER] ORDER BY ID_ORDER"));
        QCOMPARE(r.rows, (QList<QVariantList>{{1, QStringLiteral("2025-06-01"), d2},
                                              {2, QStringLiteral("2025-05-07"), d1}}));

        // The order goes together with its lines; the other order keeps its own.
        QCOMPARE(f->call(QStringLiteral("Order_Delete"), {1}), QString());
        r = f->query(QStringLiteral("SELECT ID_ORDER, QUANTITY FROM ORDER_LINE"));
        QCOMPARE(r.rows, (QList<QVariantList>{{2, 5}}));
        QCOMPARE(f->scalar(QStringLiteral("SELECT count(*) FROM [ORDER]")).toInt(), 1);
    }

    // Every refusal names its cause and leaves every table as it was. The
    // fixture: distributor 1 with orders, distributor 2 without; good 1
    // (taxed, on lines), good 2 unused; order 1 with line 1 in the closed
    // month three months back (advanced), order 2 with line 2 dated today.
    void refusals_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantList>("params");
        QTest::addColumn<QString>("message");

        const QString today = StoreFixture::iso(QDate::currentDate());
        const QString lastClosedDay = StoreFixture::iso(StoreFixture::monthStart(-2).addDays(-1));
        const QString closedMonth = StoreFixture::iso(StoreFixture::monthStart(-3));
        const QString fio51(51, QChar(0x042F));
        const QString distInsert = procedure(QStringLiteral("Distributor_Insert"), 4);
        const QString distUpdate = procedure(QStringLiteral("Distributor_Update"), 5);
        const QString goodInsert = procedure(QStringLiteral("Good_Insert"), 3);
        const QString goodUpdate = procedure(QStringLiteral("Good_Update"), 4);
        const QString orderUpdate = procedure(QStringLiteral("Order_Update"), 3);
        const QString lineInsert = QStringLiteral("INSERT INTO ORDER_LINE (ID_ORDER, ID_GOOD, QUANTITY) "
                                                  "VALUES (?, ?, ?)");
        const QVariant null;

        // Distributors.
        QTest::newRow("FIO too long") << distInsert << QVariantList{fio51, "адрес", "", "1970-01-15"}
                                      << "Поле «ФИО» длиннее 50 символов";
        QTest::newRow("FIO empty") << distInsert << QVariantList{" ", "адрес", "", "1970-01-15"}
                                   << "Не указано ФИО дистрибьютора";
        QTest::newRow("FIO null") << distInsert << QVariantList{null, "адрес", "", "1970-01-15"}
                                  << "Не указано ФИО дистрибьютора";
        QTest::newRow("address too long")
            << distInsert << QVariantList{"Иванов", QString(251, QLatin1Char('a')), "", "1970-01-15"}
            << "Поле «Адрес» длиннее 250 символов";
        QTest::newRow("phone too long")
            << distInsert << QVariantList{"Иванов", "адрес", QString(51, QLatin1Char('1')), "1970-01-15"}
            << "Поле «Телефон» длиннее 50 символов";
        QTest::newRow("birthday no such day") << distInsert << QVariantList{"Иванов", "адрес", "", "2025-02-29"}
                                              << "Поле «Дата рождения» должно содержать дату в виде ГГГГ-ММ-ДД";
        QTest::newRow("birthday not ISO") << distInsert << QVariantList{"Иванов", "адрес", "", "15.01.1970"}
                                          << "Поле «Дата рождения» должно содержать дату в виде ГГГГ-ММ-ДД";
        QTest::newRow("update unknown distributor")
            << distUpdate << QVariantList{"Иванов", "адрес", "", "1970-01-15", 99}
            << "Дистрибьютор с таким кодом не найден";
        QTest::newRow("update FIO too long")
            << distUpdate << QVariantList{fio51, "адрес", "", "1970-01-15", 2}
            << "Поле «ФИО» длиннее 50 символов";
        QTest::newRow("delete distributor with orders")
            << procedure(QStringLiteral("Distributor_Delete"), 1) << QVariantList{1}
            << "Нельзя удалить дистрибьютора: у него есть заказы";
        QTest::newRow("delete distributor with orders directly")
            << QStringLiteral("DELETE FROM DISTRIBUTOR WHERE ID_DISTRIBUTOR = ?") << QVariantList{1}
            << "Нельзя удалить дистрибьютора: у него есть заказы";
        QTest::newRow("delete unknown distributor")
            << procedure(QStringLiteral("Distributor_Delete"), 1) << QVariantList{99}
            << "Дистрибьютор с таким кодом не найден";

        // Goods.
        QTest::newRow("good name too long") << goodInsert << QVariantList{fio51, 1.0, true}
                                            << "Поле «Наименование товара» длиннее 50 символов";
        QTest::newRow("good name empty") << goodInsert << QVariantList{"", 1.0, true}
                                         << "Не указано наименование товара";
        QTest::newRow("negative price") << goodInsert << QVariantList{"Товар", -0.01, true}
                                        << "Цена товара не может быть отрицательной";
        QTest::newRow("no price") << goodInsert << QVariantList{"Товар", null, true}
                                  << "Не указана цена товара";
        QTest::newRow("price not a number") << goodInsert << QVariantList{"Товар", "abc", true}
                                            << "Цена товара должна быть числом";
        QTest::newRow("price too large") << goodInsert << QVariantList{"Товар", 1e15, true}
                                         << "Цена товара слишком велика";
        QTest::newRow("tax flag 2") << goodInsert << QVariantList{"Товар", 1.0, 2}
                                    << "Признак «Облагается НсП» должен быть 0 или 1";
        QTest::newRow("tax flag null") << goodInsert << QVariantList{"Товар", 1.0, null}
                                       << "Признак «Облагается НсП» должен быть 0 или 1";
        QTest::newRow("update unknown good") << goodUpdate << QVariantList{"Товар", 1.0, true, 99}
                                             << "Товар с таким кодом не найден";
        QTest::newRow("update negative price") << goodUpdate << QVariantList{"Товар", -1.0, true, 2}
                                               << "Цена товара не может быть отрицательной";
        QTest::newRow("price written as a fraction")
            << QStringLiteral("UPDATE GOOD SET PRICE = ? WHERE ID_GOOD = 2") << QVariantList{12.5}
            << "Цена товара должна быть целым числом десятитысячных долей рубля";
        QTest::newRow("delete good on lines") << procedure(QStringLiteral("Good_Delete"), 1)
                                              << QVariantList{1}
                                              << "Нельзя удалить товар: на него ссылаются строки заказов";
        QTest::newRow("delete good on lines directly")
            << QStringLiteral("DELETE FROM GOOD WHERE ID_GOOD = ?") << QVariantList{1}
            << "Нельзя удалить товар: на него ссылаются строки заказов";
        QTest::newRow("good key changed") << QStringLiteral("UPDATE GOOD SET ID_GOOD = 7 WHERE ID_GOOD = ?")
                                          << QVariantList{2} << "Код товара не изменяется";

        // Orders and the closed period (Lock is the first day of two months back).
        QTest::newRow("insert order in closed period")
            << procedure(QStringLiteral("Order_Insert"), 2) << QVariantList{lastClosedDay, 1}
            << Closed + "заказ с такой датой добавить нельзя";
        QTest::newRow("insert order unknown distributor")
            << procedure(QStringLiteral("Order_Insert"), 2) << QVariantList{today, 99}
            << "Дистрибьютор заказа не найден";
        QTest::newRow("insert order not a date")
            << procedure(QStringLiteral("Order_Insert"), 2) << QVariantList{"31.12.2025", 1}
            << "Поле «Дата заказа» должно содержать дату в виде ГГГГ-ММ-ДД";
        QTest::newRow("insert order without date")
            << procedure(QStringLiteral("Order_Insert"), 2) << QVariantList{null, 1}
            << "Поле «Дата заказа» должно содержать дату в виде ГГГГ-ММ-ДД";
        QTest::newRow("change closed order") << orderUpdate << QVariantList{today, 2, 1}
                                             << Closed + "заказ этого периода изменить нельзя";
        QTest::newRow("move order into closed period") << orderUpdate << QVariantList{closedMonth, 1, 2}
                                                       << Closed + "заказ нельзя перенести в этот период";
        QTest::newRow("update unknown order") << orderUpdate << QVariantList{today, 1, 99}
                                              << "Заказ с таким номером не найден";
        QTest::newRow("update order unknown distributor") << orderUpdate << QVariantList{today, 99, 2}
                                                          << "Дистрибьютор заказа не найден";
        QTest::newRow("delete closed order") << procedure(QStringLiteral("Order_Delete"), 1)
                                             << QVariantList{1}
                                             << Closed + "заказ этого периода удалить нельзя";
        QTest::newRow("delete closed order directly")
            << QStringLiteral("DELETE FROM [ORDER] WHERE ID_ORDER = ?") << QVariantList{1}
            << Closed + "заказ этого периода удалить нельзя";
        QTest::newRow("delete unknown order") << procedure(QStringLiteral("Order_Delete"), 1)
                                              << QVariantList{99} << "Заказ с таким номером не найден";

        // Order lines, written directly as the orders window writes them.
        QTest::newRow("line into closed order") << lineInsert << QVariantList{1, 2, 1}
                                                << Closed + "строку заказа этого периода добавить нельзя";
        QTest::newRow("line of closed order changed")
            << QStringLiteral("UPDATE ORDER_LINE SET QUANTITY = ? WHERE ID_ORDER_LINE = 1")
            << QVariantList{5} << Closed + "строку заказа этого периода изменить нельзя";
        QTest::newRow("line moved into closed order")
            << QStringLiteral("UPDATE ORDER_LINE SET ID_ORDER = ? WHERE ID_ORDER_LINE = 2")
            << QVariantList{1} << Closed + "строку нельзя перенести в заказ этого периода";
        QTest::newRow("line of closed order deleted")
            << QStringLiteral("DELETE FROM ORDER_LINE WHERE ID_ORDER_LINE = ?") << QVariantList{1}
            << Closed + "строку заказа этого периода удалить нельзя";
        QTest::newRow("line unknown good") << lineInsert << QVariantList{2, 99, 1} << "Товар строки не найден";
        QTest::newRow("line without good") << lineInsert << QVariantList{2, null, 1} << "Товар строки не найден";
        QTest::newRow("line unknown order") << lineInsert << QVariantList{99, 1, 1} << "Заказ строки не найден";
        QTest::newRow("line negative quantity") << lineInsert << QVariantList{2, 1, -1}
                                                << "Количество не может быть отрицательным";
        QTest::newRow("line without quantity") << lineInsert << QVariantList{2, 1, null}
                                               << "Не указано количество";
        QTest::newRow("line fractional quantity") << lineInsert << QVariantList{2, 1, 1.5}
                                                  << "Количество должно быть целым числом";
        QTest::newRow("line quantity beyond 32 bits") << lineInsert << QVariantList{2, 1, qint64(1) << 31}
                                                      << "Количество слишком велико";
        QTest::newRow("line changed to unknown good")
            << QStringLiteral("UPDATE ORDER_LINE SET ID_GOOD = ? WHERE ID_ORDER_LINE = 2")
            << QVariantList{99} << "Товар строки не найден";

        // The single setup row.
        QTest::newRow("second setup row") << QStringLiteral("INSERT INTO SETUP (NsP) VALUES (?)")
                                          << QVariantList{500}
                                          << "Настройки хранятся в одной строке SETUP: вторую строку добавить нельзя";
        QTest::newRow("setup row deleted") << QStringLiteral("DELETE FROM SETUP WHERE NsP = ?")
                                           << QVariantList{500} << "Строку настроек SETUP удалить нельзя";
        QTest::newRow("negative rate") << QStringLiteral("UPDATE SETUP SET NsP = ?") << QVariantList{-1}
                                       << "Ставка НсП должна быть от 0 до 1";
        QTest::newRow("rate above 1") << QStringLiteral("UPDATE SETUP SET NsP = ?") << QVariantList{10001}
                                      << "Ставка НсП должна быть от 0 до 1";
        QTest::newRow("no rate") << QStringLiteral("UPDATE SETUP SET NsP = ?") << QVariantList{null}
                                 << "Не указана ставка НсП";
        QTest::newRow("rate as a fraction") << QStringLiteral("UPDATE SETUP SET NsP = ?") << QVariantList{0.05}
                                            << "Ставка НсП должна быть целым числом десятитысячных долей";
        QTest::newRow("firm name too long") << QStringLiteral("UPDATE SETUP SET OurName = ?")
                                            << QVariantList{fio51}
                                            << "Поле «Наши реквизиты: Наименование» длиннее 50 символов";
        QTest::newRow("inspectorate name too long") << QStringLiteral("UPDATE SETUP SET MNSNAME = ?")
                                                    << QVariantList{fio51}
                                                    << "Поле «Реквизиты МНС: Наименование» длиннее 50 символов";

        // Advances.
        QTest::newRow("nothing due") << QStringLiteral("INSERT INTO Add_Avans DEFAULT VALUES")
                                     << QVariantList{}
                                     << "Начислять нечего: нет завершившегося месяца после последнего "
                                        "аванса с заказами облагаемых НсП товаров";
        QTest::newRow("advance amount as a fraction")
            << QStringLiteral("INSERT INTO AVANS (Data, SUMMA) VALUES (?, ?)") << QVariantList{today, 1.5}
            << "Сумма аванса должна быть целым числом десятитысячных долей рубля";
        QTest::newRow("advance date not a date")
            << QStringLiteral("INSERT INTO AVANS (Data, SUMMA) VALUES (?, ?)") << QVariantList{"2025-13-01", 1}
            << "Поле «Дата аванса» должно содержать дату в виде ГГГГ-ММ-ДД";
    }
    void refusals()
    {
        QFETCH(QString, sql);
        QFETCH(QVariantList, params);
        QFETCH(QString, message);

        QCOMPARE(f->addDistributor(QStringLiteral("Иванов")), 1);
        QCOMPARE(f->addDistributor(QStringLiteral("Петров")), 2);
        QCOMPARE(f->addGood(QStringLiteral("Шампунь"), 150.50, true), 1);
        QCOMPARE(f->addGood(QStringLiteral("Хлеб"), 32.50, false), 2);
        QCOMPARE(f->addOrder(StoreFixture::monthStart(-3).addDays(4), 1), 1);
        QCOMPARE(f->addLine(1, 1, 2), 1);
        QCOMPARE(f->addOrder(QDate::currentDate(), 1), 2);
        QCOMPARE(f->addLine(2, 1, 1), 2);
        QCOMPARE(f->call(QStringLiteral("Add_Avans")), QString());
        QCOMPARE(lock().toString(), StoreFixture::iso(StoreFixture::monthStart(-2)));

        const QString before = f->snapshot();
        const auto r = f->exec(sql, params);
        QCOMPARE(r.error, message);
        QCOMPARE(f->snapshot(), before);
    }

    // Lock: an order dated on the lock day is open, the day before is closed.
    void lockBoundary()
    {
        const int d = f->addDistributor(QStringLiteral("Иванов"));
        const int good = f->addGood(QStringLiteral("Шампунь"), 150.50, true);
        f->addLine(f->addOrder(StoreFixture::monthStart(-3).addDays(20), d), good, 1);
        QCOMPARE(lock().toString(), DayZero);
        QCOMPARE(f->call(QStringLiteral("Add_Avans")), QString());
        const QDate lockDay = StoreFixture::monthStart(-2);
        QCOMPARE(lock().toString(), StoreFixture::iso(lockDay));

        const int open = f->addOrder(lockDay, d);
        QVERIFY(open > 0);
        QVERIFY(f->addLine(open, good, 2) > 0);
        QCOMPARE(f->call(QStringLiteral("Order_Update"), {StoreFixture::iso(lockDay.addDays(1)), d, open}),
                 QString());
        QCOMPARE(f->call(QStringLiteral("Order_Insert"), {StoreFixture::iso(lockDay.addDays(-1)), d}),
                 Closed + "заказ с такой датой добавить нельзя");
    }

    // Accrue, Lock moves, roll back, Lock moves back; amounts at current prices.
    void advanceCycle()
    {
        const int d = f->addDistributor(QStringLiteral("Иванов"));
        const int shampoo = f->addGood(QStringLiteral("Шампунь"), 150.50, true);
        const int bread = f->addGood(QStringLiteral("Хлеб"), 32.50, false);
        const int pin = f->addGood(QStringLiteral("Булавка"), 0.001, true);
        // Three months back: 10 shampoo (tax 75.25) and bread.
        const int m3 = f->addOrder(StoreFixture::monthStart(-3).addDays(9), d);
        f->addLine(m3, shampoo, 10);
        f->addLine(m3, bread, 5);
        // Two months back: untaxed goods only, never due.
        f->addLine(f->addOrder(StoreFixture::monthStart(-2).addDays(1), d), bread, 7);
        // Last month, first and last day: 3 shampoo (22.575) and pins
        // (0.00005 -> 0, 0.00015 -> 0.0002).
        const int m1 = f->addOrder(StoreFixture::monthStart(-1), d);
        f->addLine(m1, shampoo, 3);
        f->addLine(m1, pin, 1);
        f->addLine(f->addOrder(StoreFixture::monthStart(0).addDays(-1), d), pin, 3);
        // This month has not ended: never due yet.
        f->addLine(f->addOrder(QDate::currentDate(), d), shampoo, 1);

        const QString m3Start = StoreFixture::iso(StoreFixture::monthStart(-3));
        const QString m1Start = StoreFixture::iso(StoreFixture::monthStart(-1));
        QCOMPARE(lock().toString(), DayZero);
        QCOMPARE(due().rows, (QList<QVariantList>{{m3Start, 752500}}));

        QCOMPARE(f->call(QStringLiteral("Add_Avans")), QString());
        QCOMPARE(f->query(QStringLiteral("select * from V_AVANS")).rows,
                 (QList<QVariantList>{{1, m3Start, m3Start, m3Start, 752500}}));
        QCOMPARE(f->query(QStringLiteral("select * from V_Get_Old")).rows,
                 (QList<QVariantList>{{m3Start, 752500}}));
        QCOMPARE(lock().toString(), StoreFixture::iso(StoreFixture::monthStart(-2)));
        QCOMPARE(due().rows, (QList<QVariantList>{{m1Start, 225752}}));

        // A new price changes the amount due.
        QCOMPARE(f->call(QStringLiteral("Good_Update"), {QStringLiteral("Шампунь"), 200.0, true, shampoo}),
                 QString());
        QCOMPARE(due().rows, (QList<QVariantList>{{m1Start, 300002}}));
        QCOMPARE(f->call(QStringLiteral("Add_Avans")), QString());
        QCOMPARE(f->query(QStringLiteral("select SUMMA from V_AVANS")).rows,
                 (QList<QVariantList>{{752500}, {300002}}));
        QCOMPARE(lock().toString(), StoreFixture::iso(StoreFixture::monthStart(0)));
        QCOMPARE(due().rows.size(), 0);
        QCOMPARE(f->exec(QStringLiteral("INSERT INTO ORDER_LINE (ID_ORDER, ID_GOOD, QUANTITY) "
                                        "VALUES (?, ?, ?)"), {m1, bread, 1}).error,
                 Closed + "строку заказа этого периода добавить нельзя");

        // Roll back: last month opens again and is due again.
        QCOMPARE(f->call(QStringLiteral("DElete_Avans")), QString());
        QCOMPARE(lock().toString(), StoreFixture::iso(StoreFixture::monthStart(-2)));
        QCOMPARE(due().rows, (QList<QVariantList>{{m1Start, 300002}}));
        QCOMPARE(f->call(QStringLiteral("DElete_Avans")), QString());
        QCOMPARE(lock().toString(), DayZero);
        QCOMPARE(f->query(QStringLiteral("select * from V_Get_Old")).rows.size(), 0);
        // Ten shampoos at the new price of 200.00: tax 100.00.
        QCOMPARE(due().rows, (QList<QVariantList>{{m3Start, 1000000}}));

        const QString before = f->snapshot();
        QCOMPARE(f->call(QStringLiteral("DElete_Avans")), QStringLiteral("Откатывать нечего: нет ни одного аванса"));
        QCOMPARE(f->snapshot(), before);
    }

    // Of two advances on the same day the later written is the latest.
    void rollBackLatestOfSameDay()
    {
        for (int sum : {100, 200, 300}) {
            const QString date = sum == 100 ? QStringLiteral("2025-02-01") : QStringLiteral("2025-03-01");
            QCOMPARE(f->exec(QStringLiteral("INSERT INTO AVANS (Data, SUMMA) VALUES (?, ?)"), {date, sum}).error,
                     QString());
        }
        QCOMPARE(f->query(QStringLiteral("select * from V_Get_Old")).rows,
                 (QList<QVariantList>{{QStringLiteral("2025-03-01"), 300}}));
        QCOMPARE(f->call(QStringLiteral("DElete_Avans")), QString());
        QCOMPARE(f->query(QStringLiteral("SELECT ID_AVANS FROM AVANS ORDER BY ID_AVANS")).rows,
                 (QList<QVariantList>{{1}, {2}}));
    }

    // Quarters from the earliest order or advance through the current quarter.
    void periods_data()
    {
        QTest::addColumn<QString>("orderDate");     // empty: no order
        QTest::addColumn<QString>("advanceDate");   // empty: no advance
        QTest::addColumn<QDate>("firstStart");      // invalid: the current quarter
        QTest::newRow("empty store") << QString() << QString() << QDate();
        QTest::newRow("order on a quarter's last day") << "2024-03-31" << QString() << QDate(2024, 1, 1);
        QTest::newRow("order on a quarter's first day") << "2024-04-01" << QString() << QDate(2024, 4, 1);
        QTest::newRow("advance before the orders") << "2024-11-30" << "2023-05-10" << QDate(2023, 4, 1);
        QTest::newRow("advance only") << QString() << "2024-12-01" << QDate(2024, 10, 1);
    }
    void periods()
    {
        QFETCH(QString, orderDate);
        QFETCH(QString, advanceDate);
        QFETCH(QDate, firstStart);
        if (!orderDate.isEmpty())
            f->addOrder(QDate::fromString(orderDate, Qt::ISODate), f->addDistributor(QStringLiteral("Иванов")));
        if (!advanceDate.isEmpty())
            QCOMPARE(f->exec(QStringLiteral("INSERT INTO AVANS (Data, SUMMA) VALUES (?, ?)"),
                             {advanceDate, 1}).error, QString());

        const QDate today = QDate::currentDate();
        const QDate current(today.year(), (today.month() - 1) / 3 * 3 + 1, 1);
        QList<QVariantList> expected;
        for (QDate start = firstStart.isValid() ? firstStart : current; start <= current;
             start = start.addMonths(3)) {
            expected << QVariantList{QStringLiteral("%1 квартал %2 г.").arg((start.month() + 2) / 3).arg(start.year()),
                                     StoreFixture::iso(start),
                                     StoreFixture::iso(start.addMonths(3).addDays(-1))};
        }
        const auto r = f->query(QStringLiteral("select * from V_Periods"));
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.rows, expected);
    }

    // The rate in percent in its shortest decimal form, from ten-thousandths.
    void setupRateText_data()
    {
        QTest::addColumn<qint64>("rate");
        QTest::addColumn<QString>("text");
        QTest::newRow("5 %") << qint64(500) << "5";
        QTest::newRow("5.5 %") << qint64(550) << "5.5";
        QTest::newRow("5.05 %") << qint64(505) << "5.05";
        QTest::newRow("12.34 %") << qint64(1234) << "12.34";
        QTest::newRow("0.1 %") << qint64(10) << "0.1";
        QTest::newRow("0.01 %") << qint64(1) << "0.01";
        QTest::newRow("0 %") << qint64(0) << "0";
        QTest::newRow("100 %") << qint64(10000) << "100";
    }
    void setupRateText()
    {
        QFETCH(qint64, rate);
        QFETCH(QString, text);
        f->setRate(rate);
        QCOMPARE(f->scalar(QStringLiteral("SELECT NspVal FROM V_Setup")).toString(), text);
    }

    void setupNameOfNewStore()
    {
        QCOMPARE(f->query(QStringLiteral("select * from V_Setup")).rows,
                 (QList<QVariantList>{{QString(), QString(), QString(), QStringLiteral(", ИНН "),
                                       QStringLiteral("5")}}));
    }
};

QTEST_GUILESS_MAIN(TestStoreObjects)
#include "tst_store_objects.moc"
