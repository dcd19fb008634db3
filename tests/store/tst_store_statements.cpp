// Every SQL statement the windows send, taken from their SQL headers and run
// against a small store with hand-computed answers. Money is in
// ten-thousandths: 150.50 is 1505000.

#include "StoreFixture.h"

#include "directories/DirectoriesSql.h"
#include "orders/OrdersSql.h"
#include "setup/SetupSql.h"
#include "tax/TaxSql.h"

#include <QTest>

#include <memory>

using namespace tarvo;

namespace {

// Rates and prices of the fixture.
constexpr qint64 ShampooPrice = 1505000;   // 150.50, taxed
constexpr qint64 BreadPrice = 325000;      // 32.50, untaxed
constexpr qint64 CreamPrice = 2890000;     // 289.00, taxed

QVariantList column(const StoreFixture::Result &r, int index)
{
    QVariantList values;
    for (const QVariantList &row : r.rows)
        values << row.value(index);
    return values;
}

} // namespace

class TestStoreStatements : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<StoreFixture> f;
    int ivanov = 0, petrova = 0, alekseev = 0;
    int shampoo = 0, bread = 0, cream = 0;
    // O1 on the first day of the first quarter of 2025, O2 on its last day,
    // O3 the day before it, O4 the day after it, O5 inside it without lines.
    int o1 = 0, o2 = 0, o3 = 0, o4 = 0, o5 = 0;

private slots:
    void init()
    {
        f = std::make_unique<StoreFixture>();
        QVERIFY2(f->error().isEmpty(), qPrintable(f->error()));
        ivanov = f->addDistributor(QStringLiteral("Иванов Иван Иванович"),
                                   QStringLiteral("125009, г. Москва\r\nул. Тверская, д. 12\r\n"),
                                   QStringLiteral("(495)123-45-67"), QDate(1970, 1, 15));
        petrova = f->addDistributor(QStringLiteral("Петрова Мария Сергеевна"),
                                    QStringLiteral("117292, г. Москва\r\nул. Вавилова, д. 57\r\n"),
                                    QString(), QDate(1980, 6, 30));
        alekseev = f->addDistributor(QStringLiteral("Алексеев Борис Олегович"),
                                     QStringLiteral("101000, г. Москва\r\nул. Мясницкая, д. 1\r\n"),
                                     QStringLiteral("(499)000-00-01"), QDate(1991, 2, 3));
        shampoo = f->addGood(QStringLiteral("Шампунь"), 150.50, true);
        bread = f->addGood(QStringLiteral("Хлеб"), 32.50, false);
        cream = f->addGood(QStringLiteral("Крем"), 289.00, true);

        o1 = f->addOrder(QDate(2025, 1, 1), ivanov);
        f->addLine(o1, shampoo, 10);
        f->addLine(o1, bread, 4);
        o2 = f->addOrder(QDate(2025, 3, 31), petrova);
        f->addLine(o2, cream, 2);
        o3 = f->addOrder(QDate(2024, 12, 31), ivanov);
        f->addLine(o3, shampoo, 100);
        o4 = f->addOrder(QDate(2025, 4, 1), alekseev);
        f->addLine(o4, bread, 100);
        o5 = f->addOrder(QDate(2025, 2, 10), alekseev);
    }

    void cleanup() { f.reset(); }

    // 1. The distributors list, in key order and sorted by a clicked column.
    void distributorList()
    {
        auto r = f->query(StoreFixture::lines({sql::DistributorListSelect,
                                               sql::DistributorListOrderById}));
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.columns, (QStringList{"ID_DISTRIBUTOR", "FIO", "ADDRESS", "BIRTHDAY", "PHONE"}));
        QCOMPARE(column(r, 0), (QVariantList{ivanov, petrova, alekseev}));
        QCOMPARE(r.rows.at(0).at(2).toString(),
                 QStringLiteral("125009, г. Москва\r\nул. Тверская, д. 12\r\n"));
        QCOMPARE(r.rows.at(0).at(3).toString(), QStringLiteral("1970-01-15"));
        // A distributor without a phone.
        QCOMPARE(r.rows.at(1).at(4).toString(), QStringLiteral("<Нет телефона>"));

        const QString byFioDesc = QString::fromUtf8(sql::ListSortPrefix) + QStringLiteral("FIO")
                                  + QString::fromUtf8(sql::ListSortDescending);
        r = f->query(StoreFixture::lines({sql::DistributorListSelect, qPrintable(byFioDesc)}));
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(column(r, 0), (QVariantList{petrova, ivanov, alekseev}));
    }

    // 2. The goods list; sorting by price compares exact amounts.
    void goodList()
    {
        auto r = f->query(StoreFixture::lines({sql::GoodListSelect, sql::GoodListOrderById}));
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.columns, (QStringList{"ID_GOOD", "GOOD_NAME", "PRICE", "NsP"}));
        QCOMPARE(r.rows.size(), 3);
        QCOMPARE(r.rows.at(0), (QVariantList{shampoo, QStringLiteral("Шампунь"), ShampooPrice, 1}));
        QCOMPARE(r.rows.at(1), (QVariantList{bread, QStringLiteral("Хлеб"), BreadPrice, 0}));

        const QString byPriceDesc = QString::fromUtf8(sql::ListSortPrefix) + QStringLiteral("PRICE")
                                    + QString::fromUtf8(sql::ListSortDescending);
        r = f->query(StoreFixture::lines({sql::GoodListSelect, qPrintable(byPriceDesc)}));
        QCOMPARE(column(r, 0), (QVariantList{cream, shampoo, bread}));
    }

    // 3. The distributors of the order header dialog, by name.
    void orderEditDistributors()
    {
        const auto r = f->query(StoreFixture::lines({sql::OrderEditDistributorsSelect,
                                                     sql::OrderEditDistributorsOrder}));
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(column(r, 1), (QVariantList{QStringLiteral("Алексеев Борис Олегович"),
                                             QStringLiteral("Иванов Иван Иванович"),
                                             QStringLiteral("Петрова Мария Сергеевна")}));
    }

    // 4. The orders list with the distributor and the lock date.
    void orderList()
    {
        auto r = f->query(QString::fromUtf8(sql::OrderListSelect));
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.columns, (QStringList{"FIO", "ADDRESS", "PHONE", "DATE", "Lock", "ID_ORDER",
                                         "ID_DISTRIBUTOR"}));
        QCOMPARE(r.rows.size(), 5);
        QCOMPARE(r.rows.at(1), (QVariantList{QStringLiteral("Петрова Мария Сергеевна"),
                                             QStringLiteral("117292, г. Москва\r\nул. Вавилова, д. 57\r\n"),
                                             QStringLiteral("<Нет телефона>"),
                                             QStringLiteral("2025-03-31"),
                                             QStringLiteral("1899-12-30"), o2, petrova}));

        const QString byDateDesc = QString::fromUtf8(sql::OrderListSortPrefix) + QStringLiteral("DATE")
                                   + QString::fromUtf8(sql::OrderListSortDescending);
        r = f->query(StoreFixture::lines({sql::OrderListSelect, qPrintable(byDateDesc)}));
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(column(r, 5), (QVariantList{o4, o2, o5, o1, o3}));
    }

    // 5. The lines of one order with the rate; the rate keeps its money type.
    void orderLines()
    {
        const QString sql = StoreFixture::lines({sql::OrderLineSelect, sql::OrderLineWhere});
        auto r = f->query(sql, {{QStringLiteral(":ID_ORDER"), o1}});
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.columns, (QStringList{"ID_ORDER_LINE", "ID_ORDER", "ID_GOOD", "QUANTITY", "Nsp_Val"}));
        QCOMPARE(r.rows.size(), 2);
        QCOMPARE(r.rows.at(0).mid(1), (QVariantList{o1, shampoo, 10, 500}));
        QCOMPARE(r.rows.at(1).mid(1), (QVariantList{o1, bread, 4, 500}));
        QCOMPARE(f->declaredColumns(sql).last(),
                 QStringLiteral("Nsp_Val:CURRENCY"));

        r = f->query(sql, {{QStringLiteral(":ID_ORDER"), o5}});
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.rows.size(), 0);
    }

    // 6. The goods of the orders window, by name.
    void orderGoods()
    {
        const auto r = f->query(StoreFixture::lines({sql::OrderGoodsSelect, sql::OrderGoodsOrder}));
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        // Крем, Хлеб, Шампунь
        QCOMPARE(column(r, 0), (QVariantList{cream, bread, shampoo}));
    }

    // 7. An order's totals at the goods' current prices.
    void orderTotals()
    {
        const QString sql = StoreFixture::lines({sql::OrderTotalsSelect, sql::OrderTotalsFrom,
                                                 sql::OrderTotalsWhere, sql::OrderTotalsGroupBy});
        auto r = f->query(sql, {{QStringLiteral(":ID_ORDER"), o1}});
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.columns, (QStringList{"QTY", "SUMM", "ID_ORDER"}));
        QCOMPARE(r.rows, (QList<QVariantList>{{14, 10 * ShampooPrice + 4 * BreadPrice, o1}}));

        // An order without lines gives no row.
        r = f->query(sql, {{QStringLiteral(":ID_ORDER"), o5}});
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.rows.size(), 0);

        // A new price changes the total of the existing order.
        QCOMPARE(f->call(QStringLiteral("Good_Update"), {QStringLiteral("Хлеб"), 40.0, false, bread}),
                 QString());
        r = f->query(sql, {{QStringLiteral(":ID_ORDER"), o1}});
        QCOMPARE(r.rows.value(0).value(1), QVariant(10 * ShampooPrice + 4 * 400000));
    }

    // 8. The receipt's rows: line amount exact, line tax in roubles.
    void distributorCheck()
    {
        const QString sql = StoreFixture::lines({sql::CheckSelect, sql::CheckWhere});
        const auto r = f->query(sql, {{QStringLiteral(":ID_ORDER"), o1}});
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.columns, (QStringList{"ID_ORDER", "DATE", "FIO", "ID_ORDER_LINE", "ID_GOOD",
                                         "GOOD_NAME", "QUANTITY", "PRICE", "SUMMA", "NsP_Sum",
                                         "ID_DISTRIBUTOR", "ADDRESS", "PHONE"}));
        QCOMPARE(r.rows.size(), 2);
        const QVariantList taxed = r.rows.at(0);
        QCOMPARE(taxed.at(0), QVariant(o1));
        QCOMPARE(taxed.at(1).toString(), QStringLiteral("2025-01-01"));
        QCOMPARE(taxed.at(2).toString(), QStringLiteral("Иванов Иван Иванович"));
        QCOMPARE(taxed.mid(4, 5), (QVariantList{shampoo, QStringLiteral("Шампунь"), 10, ShampooPrice,
                                                10 * ShampooPrice}));
        QCOMPARE(taxed.at(9).typeId(), QMetaType::Double);
        QCOMPARE(taxed.at(9).toDouble(), 75.25);           // 1505.00 x 0.05
        QCOMPARE(taxed.at(10), QVariant(ivanov));
        QCOMPARE(taxed.at(12).toString(), QStringLiteral("(495)123-45-67"));
        const QVariantList untaxed = r.rows.at(1);
        QCOMPARE(untaxed.at(8), QVariant(4 * BreadPrice));
        QCOMPARE(untaxed.at(9).typeId(), QMetaType::Double);
        QCOMPARE(untaxed.at(9).toDouble(), 0.0);

        const auto none = f->query(sql, {{QStringLiteral(":ID_ORDER"), o5}});
        QCOMPARE(none.rows.size(), 0);
    }

    // 9 and 14. The setup row as a new store holds it.
    void setupRow_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::newRow("setup window") << QString::fromUtf8(sql::SetupSelect);
        QTest::newRow("payment order") << StoreFixture::lines({sql::PaymentOrderSetupSelect,
                                                              sql::PaymentOrderSetupSecondLine});
    }
    void setupRow()
    {
        QFETCH(QString, sql);
        const auto r = f->query(sql);
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.columns, (QStringList{"OurName", "OurINN", "OurBank", "OurBIK", "OurKorrSch",
                                         "OurRs", "OurFIO", "OurTel", "OurIMNS", "MNSINN", "MNSBank",
                                         "MNSBIK", "MNSKorrSch", "MNSRs", "MNSNAME", "NsP"}));
        QCOMPARE(r.rows.size(), 1);
        QVariantList expected;
        for (int i = 0; i < 15; ++i)
            expected << QString();
        expected << 500;
        QCOMPARE(r.rows.first(), expected);
    }

    // 10, 12 and 13. Advances oldest first, the latest one, one by key.
    void advanceQueries()
    {
        // Written out of date order; two on the same day.
        for (const auto &[date, sum] : QList<std::pair<QString, int>>{{"2025-02-01", 200000},
                                                                      {"2025-01-01", 100000},
                                                                      {"2025-02-01", 300000}}) {
            const auto r = f->exec(QStringLiteral("INSERT INTO AVANS (Data, SUMMA) VALUES (?, ?)"),
                                   {date, sum});
            QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        }
        auto r = f->query(QString::fromUtf8(sql::AvansListSelect));
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.columns, (QStringList{"ID_AVANS", "Data", "Month", "Year", "SUMMA"}));
        QCOMPARE(r.rows, (QList<QVariantList>{{2, "2025-01-01", "2025-01-01", "2025-01-01", 100000},
                                              {1, "2025-02-01", "2025-02-01", "2025-02-01", 200000},
                                              {3, "2025-02-01", "2025-02-01", "2025-02-01", 300000}}));

        r = f->query(QString::fromUtf8(sql::LatestAvansSelect));
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.columns, (QStringList{"Data", "SUMMA"}));
        QCOMPARE(r.rows, (QList<QVariantList>{{"2025-02-01", 300000}}));

        r = f->query(StoreFixture::lines({sql::PaymentOrderAvansSelect, sql::PaymentOrderAvansWhere}),
                     {{QStringLiteral(":ID_Avans"), 2}});
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.columns, (QStringList{"ID_AVANS", "Data", "SUMMA"}));
        QCOMPARE(r.rows, (QList<QVariantList>{{2, "2025-01-01", 100000}}));
    }

    // 12 without advances: no row.
    void latestAdvanceWithoutAdvances()
    {
        const auto r = f->query(QString::fromUtf8(sql::LatestAvansSelect));
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.rows.size(), 0);
    }

    // 15. Quarters from the earliest order through the current quarter.
    void periods()
    {
        const auto r = f->query(QString::fromUtf8(sql::PeriodsSelect));
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.columns, (QStringList{"Period", "Start", "Finish"}));
        QVERIFY(!r.rows.isEmpty());
        QCOMPARE(r.rows.first(), (QVariantList{QStringLiteral("4 квартал 2024 г."),
                                               QStringLiteral("2024-10-01"),
                                               QStringLiteral("2024-12-31")}));
        QCOMPARE(r.rows.at(1), (QVariantList{QStringLiteral("1 квартал 2025 г."),
                                             QStringLiteral("2025-01-01"),
                                             QStringLiteral("2025-03-31")}));
        const QDate today = QDate::currentDate();
        const QDate currentStart(today.year(), (today.month() - 1) / 3 * 3 + 1, 1);
        QCOMPARE(r.rows.last().at(1).toString(), StoreFixture::iso(currentStart));
    }

    // 16. The firm's name with its INN and the rate in percent.
    void setupForReturn()
    {
        auto e = f->exec(QStringLiteral("UPDATE SETUP SET OurName = ?, OurINN = ?, OurFIO = ?, "
                                        "OurTel = ?, OurIMNS = ?, NsP = ?"),
                         {QStringLiteral("ООО «Ромашка»"), QStringLiteral("7701234567"),
                          QStringLiteral("Соколова Н. В."), QStringLiteral("(495)987-65-43"),
                          QStringLiteral("7701"), 550});
        QVERIFY2(e.error.isEmpty(), qPrintable(e.error));
        const auto r = f->query(QString::fromUtf8(sql::ReturnSetupSelect));
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.columns, (QStringList{"OurIMNS", "OURFIO", "OurTel", "Name", "NspVal"}));
        QCOMPARE(r.rows, (QList<QVariantList>{{QStringLiteral("7701"), QStringLiteral("Соколова Н. В."),
                                               QStringLiteral("(495)987-65-43"),
                                               QStringLiteral("ООО «Ромашка», ИНН 7701234567"),
                                               QStringLiteral("5.5")}}));
    }

    // 17. The advances of a period, both ends included; null without any.
    void periodAdvances_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("finish");
        QTest::addColumn<QVariant>("avans");
        QTest::newRow("both ends included") << "2025-01-01" << "2025-03-31" << QVariant(350000);
        QTest::newRow("one day") << "2025-03-31" << "2025-03-31" << QVariant(250000);
        QTest::newRow("no advance") << "2023-01-01" << "2023-03-31" << QVariant();
    }
    void periodAdvances()
    {
        QFETCH(QString, start);
        QFETCH(QString, finish);
        QFETCH(QVariant, avans);
        for (const auto &[date, sum] : QList<std::pair<QString, int>>{{"2024-12-31", 999},
                                                                      {"2025-01-01", 100000},
                                                                      {"2025-03-31", 250000},
                                                                      {"2025-04-01", 777}}) {
            const auto r = f->exec(QStringLiteral("INSERT INTO AVANS (Data, SUMMA) VALUES (?, ?)"),
                                   {date, sum});
            QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        }
        const auto r = f->query(StoreFixture::lines({sql::ReturnAvansSelect, sql::ReturnAvansWhere}),
                                {{QStringLiteral(":start"), start}, {QStringLiteral(":Finish"), finish}});
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.columns, QStringList{"Avans"});
        QCOMPARE(r.rows.size(), 1);
        QCOMPARE(r.rows.first().first().isNull(), avans.isNull());
        if (!avans.isNull())
            QCOMPARE(r.rows.first().first(), avans);
    }

    // 18. The period's turnover split by the tax flag and the tax.
    void periodSums_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("finish");
        QTest::addColumn<QVariantList>("sums");   // SumTotal, SumNoNsp, SumNspNsp, SumNsp
        // O1 (first day: 10 shampoo, 4 bread) and O2 (last day: 2 cream).
        const qint64 taxed = 10 * ShampooPrice + 2 * CreamPrice;
        QTest::newRow("both ends included")
            << "2025-01-01" << "2025-03-31"
            << QVariantList{taxed + 4 * BreadPrice, 4 * BreadPrice, taxed, taxed / 20};
        QTest::newRow("first day only")
            << "2025-01-01" << "2025-01-01"
            << QVariantList{10 * ShampooPrice + 4 * BreadPrice, 4 * BreadPrice, 10 * ShampooPrice,
                            10 * ShampooPrice / 20};
        QTest::newRow("untaxed only")
            << "2025-04-01" << "2025-06-30"
            << QVariantList{100 * BreadPrice, 100 * BreadPrice, 0, 0};
        QTest::newRow("no order") << "2023-01-01" << "2023-03-31"
                                  << QVariantList{QVariant(), QVariant(), QVariant(), QVariant()};
    }
    void periodSums()
    {
        QFETCH(QString, start);
        QFETCH(QString, finish);
        QFETCH(QVariantList, sums);
        const auto r = f->query(StoreFixture::lines({sql::ReturnNspSelect, sql::ReturnNspFrom,
                                                     sql::ReturnNspWhere}),
                                {{QStringLiteral(":Start"), start}, {QStringLiteral(":Finish"), finish}});
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.columns, (QStringList{"SumTotal", "SumNoNsp", "SumNspNsp", "SumNsp"}));
        QCOMPARE(r.rows.size(), 1);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(r.rows.first().at(i).isNull(), sums.at(i).isNull());
            if (!sums.at(i).isNull()) {
                QCOMPARE(r.rows.first().at(i).typeId(), QMetaType::LongLong);
                QCOMPARE(r.rows.first().at(i).toLongLong(), sums.at(i).toLongLong());
            }
        }
    }

    // 18 after a price change: past periods follow the current prices.
    void periodSumsFollowCurrentPrices()
    {
        QCOMPARE(f->call(QStringLiteral("Good_Update"), {QStringLiteral("Крем"), 300.0, true, cream}),
                 QString());
        const auto r = f->query(StoreFixture::lines({sql::ReturnNspSelect, sql::ReturnNspFrom,
                                                     sql::ReturnNspWhere}),
                                {{QStringLiteral(":Start"), QStringLiteral("2025-01-01")},
                                 {QStringLiteral(":Finish"), QStringLiteral("2025-03-31")}});
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        const qint64 taxed = 10 * ShampooPrice + 2 * 3000000;
        QCOMPARE(r.rows.value(0), (QVariantList{taxed + 4 * BreadPrice, 4 * BreadPrice, taxed,
                                                taxed / 20}));
    }

    // 18's tax: per line, rounded half to even to four decimals, then summed.
    void periodTaxRounding_data()
    {
        QTest::addColumn<qint64>("rate");          // ten-thousandths
        QTest::addColumn<double>("price");         // roubles, as the goods dialog binds it
        QTest::addColumn<QList<int>>("quantities");
        QTest::addColumn<qint64>("tax");           // ten-thousandths
        QTest::newRow("exact") << qint64(500) << 150.50 << QList<int>{10} << qint64(752500);
        QTest::newRow("rate 5.5 %") << qint64(550) << 150.50 << QList<int>{3} << qint64(248325);
        // 0.001 x 0.05 = 0.00005: half, to the even 0.0000.
        QTest::newRow("half down to even") << qint64(500) << 0.001 << QList<int>{1} << qint64(0);
        // 3 x 0.001 x 0.05 = 0.00015: half, to the even 0.0002.
        QTest::newRow("half up to even") << qint64(500) << 0.001 << QList<int>{3} << qint64(2);
        // Two lines of 0.00005 each: 0 + 0, not a rounded 0.0001.
        QTest::newRow("rounded per line") << qint64(500) << 0.001 << QList<int>{1, 1} << qint64(0);
        // 10 x 0.0001 x 0.055 = 0.000055: above half.
        QTest::newRow("above half") << qint64(550) << 0.0001 << QList<int>{10} << qint64(1);
        // 0.0001 x 0.0001 = 0.00000001: below half.
        QTest::newRow("below half") << qint64(1) << 0.0001 << QList<int>{1} << qint64(0);
    }
    void periodTaxRounding()
    {
        QFETCH(qint64, rate);
        QFETCH(double, price);
        QFETCH(QList<int>, quantities);
        QFETCH(qint64, tax);
        f->setRate(rate);
        const int good = f->addGood(QStringLiteral("Мелочь"), price, true);
        const int order = f->addOrder(QDate(2022, 5, 5), ivanov);
        for (int q : quantities)
            f->addLine(order, good, q);
        const auto r = f->query(StoreFixture::lines({sql::ReturnNspSelect, sql::ReturnNspFrom,
                                                     sql::ReturnNspWhere}),
                                {{QStringLiteral(":Start"), QStringLiteral("2022-04-01")},
                                 {QStringLiteral(":Finish"), QStringLiteral("2022-06-30")}});
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.rows.value(0).value(3).toLongLong(), tax);
    }
};

QTEST_GUILESS_MAIN(TestStoreStatements)
#include "tst_store_statements.moc"
