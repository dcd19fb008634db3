#include "data/Money.h"

#include <QTest>

#include <limits>

using tarvo::Money;

namespace {
constexpr qint64 MaxRaw = std::numeric_limits<qint64>::max();   // 922337203685477.5807
constexpr qint64 MinRaw = std::numeric_limits<qint64>::min();   // -922337203685477.5808
}

class TstMoney : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void fromDouble_data();
    void fromDouble();
    void arithmetic_data();
    void arithmetic();
    void product_data();
    void product();
    void rounded_data();
    void rounded();
    void toPlainString_data();
    void toPlainString();
};

void TstMoney::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("raw");

    const QChar dot = QLatin1Char('.');
    const QChar comma = QLatin1Char(',');
    QTest::newRow("four decimals") << "12.3456" << dot << true << qint64(123456);
    QTest::newRow("negative") << "-12.3456" << dot << true << qint64(-123456);
    QTest::newRow("plus sign") << "+3" << dot << true << qint64(30000);
    QTest::newRow("comma separator") << "12,5" << comma << true << qint64(125000);
    QTest::newRow("dot besides comma") << "12.5" << comma << true << qint64(125000);
    QTest::newRow("below one") << "0.5" << dot << true << qint64(5000);
    QTest::newRow("no leading digit") << ".5" << dot << true << qint64(5000);
    QTest::newRow("negative no leading digit") << "-,25" << comma << true << qint64(-2500);
    QTest::newRow("surrounding spaces") << "  7 " << dot << true << qint64(70000);
    QTest::newRow("half, even stays") << "12.34565" << dot << true << qint64(123456);
    QTest::newRow("half, odd goes up") << "12.34575" << dot << true << qint64(123458);
    QTest::newRow("above half") << "12.345651" << dot << true << qint64(123457);
    QTest::newRow("below half") << "12.345649999" << dot << true << qint64(123456);
    QTest::newRow("negative half, even") << "-12.34565" << dot << true << qint64(-123456);
    QTest::newRow("negative half, odd") << "-12.34575" << dot << true << qint64(-123458);
    QTest::newRow("tiny half to zero") << "0.00005" << dot << true << qint64(0);
    QTest::newRow("tiny half up") << "0.00015" << dot << true << qint64(2);
    QTest::newRow("far decimal decides") << "1.000050000000000000000000000000000001" << dot << true << qint64(10001);
    QTest::newRow("many decimals, big value") << "922337203685477.12345678901234567890123456" << dot << true << qint64(9223372036854771235);
    QTest::newRow("largest") << "922337203685477.5807" << dot << true << MaxRaw;
    QTest::newRow("smallest") << "-922337203685477.5808" << dot << true << MinRaw;
    QTest::newRow("19 digits") << "123456789012345.6789" << dot << true << qint64(1234567890123456789);

    QTest::newRow("one over largest") << "922337203685477.5808" << dot << false << qint64(0);
    QTest::newRow("over largest, short decimals") << "922337203685477.9" << dot << false << qint64(0);
    QTest::newRow("rounds over largest") << "922337203685477.58075" << dot << false << qint64(0);
    QTest::newRow("one under smallest") << "-922337203685477.5809" << dot << false << qint64(0);
    QTest::newRow("16 whole digits") << "9223372036854770" << dot << false << qint64(0);
    QTest::newRow("empty") << "" << dot << false << qint64(0);
    QTest::newRow("blank") << "   " << dot << false << qint64(0);
    QTest::newRow("sign only") << "-" << dot << false << qint64(0);
    QTest::newRow("separator only") << "." << dot << false << qint64(0);
    QTest::newRow("two separators") << "1.2.3" << dot << false << qint64(0);
    QTest::newRow("comma not allowed") << "1,5" << dot << false << qint64(0);
    QTest::newRow("thousands separator") << "1 000" << dot << false << qint64(0);
    QTest::newRow("exponent") << "1e5" << dot << false << qint64(0);
    QTest::newRow("letters") << "12a" << dot << false << qint64(0);
    QTest::newRow("double sign") << "--1" << dot << false << qint64(0);
    QTest::newRow("non-ASCII digits") << QStringLiteral("\u0661\u0662") << dot << false << qint64(0);
}

void TstMoney::parse()
{
    QFETCH(QString, text);
    QFETCH(QChar, separator);
    QFETCH(bool, valid);
    QFETCH(qint64, raw);

    const std::optional<Money> m = Money::parse(text, separator);
    QCOMPARE(m.has_value(), valid);
    if (valid)
        QCOMPARE(m->raw(), raw);
}

void TstMoney::fromDouble_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("raw");

    QTest::newRow("0.1 exactly") << 0.1 << qint64(1000);
    QTest::newRow("sum with binary noise") << (0.1 + 0.2) << qint64(3000);
    QTest::newRow("12.345") << 12.345 << qint64(123450);
    QTest::newRow("negative") << -7.25 << qint64(-72500);
    QTest::newRow("half at fifth decimal, even") << 2.00005 << qint64(20000);
    QTest::newRow("half at fifth decimal, odd") << 2.00015 << qint64(20002);
    QTest::newRow("more decimals") << 1.23456789 << qint64(12346);
    // Below 0.0001 the 15-digit text has an exponent; halves still go to even.
    QTest::newRow("tiny half to zero") << 0.00005 << qint64(0);
    QTest::newRow("tiny negative half to zero") << -0.00005 << qint64(0);
    QTest::newRow("tiny above half") << 0.000051 << qint64(1);
    QTest::newRow("tiny below half") << 0.000049 << qint64(0);
    QTest::newRow("0.00015") << 0.00015 << qint64(2);
    QTest::newRow("15 significant digits") << 12345678901.2345 << qint64(123456789012345);
    QTest::newRow("zero") << 0.0 << qint64(0);
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << qint64(0);
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << qint64(0);
}

void TstMoney::fromDouble()
{
    QFETCH(double, value);
    QFETCH(qint64, raw);
    QCOMPARE(Money::fromDouble(value).raw(), raw);
}

void TstMoney::arithmetic_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("sum");
    QTest::addColumn<QString>("difference");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("aTimesCount");

    QTest::newRow("decimals") << "12.3456" << "0.0005" << "12.3461" << "12.3451" << 3 << "37.0368";
    QTest::newRow("mixed signs") << "-1" << "2.5" << "1.5" << "-3.5" << -4 << "4";
    QTest::newRow("19 digits") << "123456789012345.6789" << "-123456789012345.6789" << "0"
                               << "246913578024691.3578" << 7 << "864197523086419.7523";
    QTest::newRow("zero") << "0" << "0" << "0" << "0" << 0 << "0";
}

void TstMoney::arithmetic()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, sum);
    QFETCH(QString, difference);
    QFETCH(int, count);
    QFETCH(QString, aTimesCount);
    const Money x = Money::parse(a).value();
    const Money y = Money::parse(b).value();

    QCOMPARE((x + y).toPlainString(), sum);
    QCOMPARE((x - y).toPlainString(), difference);
    QCOMPARE((-y + x).toPlainString(), difference);
    Money acc = x;
    acc += y;
    QCOMPARE(acc.toPlainString(), sum);
    acc -= y;
    acc -= y;
    QCOMPARE(acc.toPlainString(), difference);
    QCOMPARE((x * qint64(count)).toPlainString(), aTimesCount);
    QCOMPARE(x < y, a.toDouble() < b.toDouble());
    QCOMPARE(x == y, a == b);
}

void TstMoney::product_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("product");

    QTest::newRow("amount times rate") << "12.3456" << "0.05" << "0.6173";
    QTest::newRow("whole result") << "1000" << "0.055" << "55";
    QTest::newRow("half, even stays") << "1234.5" << "0.0001" << "0.1234";
    QTest::newRow("half, odd goes up") << "1235.5" << "0.0001" << "0.1236";
    QTest::newRow("negative half, even") << "-1234.5" << "0.0001" << "-0.1234";
    QTest::newRow("negative half, odd") << "1235.5" << "-0.0001" << "-0.1236";
    QTest::newRow("smallest half to zero") << "0.0001" << "0.5" << "0";
    QTest::newRow("both negative") << "-2.5" << "-4" << "10";
    QTest::newRow("19 digits times rate") << "123456789012345.6789" << "0.18" << "22222222022222.2222";
    QTest::newRow("largest times one") << "922337203685477.5807" << "1" << "922337203685477.5807";
    QTest::newRow("largest times minus one") << "922337203685477.5807" << "-1" << "-922337203685477.5807";
}

void TstMoney::product()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, product);
    const Money x = Money::parse(a).value();
    const Money y = Money::parse(b).value();
    const Money expected = Money::parse(product).value();
    QCOMPARE((x * y).raw(), expected.raw());
    QCOMPARE((y * x).raw(), expected.raw());
}

void TstMoney::rounded_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");

    QTest::newRow("12.50 to 12") << "12.50" << 0 << "12";
    QTest::newRow("13.50 to 14") << "13.50" << 0 << "14";
    QTest::newRow("12.51 to 13") << "12.51" << 0 << "13";
    QTest::newRow("12.4999 to 12") << "12.4999" << 0 << "12";
    QTest::newRow("0.5 to 0") << "0.5" << 0 << "0";
    QTest::newRow("-12.50 to -12") << "-12.50" << 0 << "-12";
    QTest::newRow("-13.50 to -14") << "-13.50" << 0 << "-14";
    QTest::newRow("-12.51 to -13") << "-12.51" << 0 << "-13";
    QTest::newRow("-0.5 to 0") << "-0.5" << 0 << "0";
    QTest::newRow("two decimals, half even") << "12.345" << 2 << "12.34";
    QTest::newRow("two decimals, half odd") << "12.355" << 2 << "12.36";
    QTest::newRow("two decimals, above half") << "12.3451" << 2 << "12.35";
    QTest::newRow("one decimal, carry") << "9.95" << 1 << "10";
    QTest::newRow("three decimals") << "-0.0005" << 3 << "0";
    QTest::newRow("four decimals unchanged") << "12.3456" << 4 << "12.3456";
    QTest::newRow("19 digits, half odd") << "123456789012345.5" << 0 << "123456789012346";
    QTest::newRow("19 digits, half even") << "123456789012344.5" << 0 << "123456789012344";
    QTest::newRow("19 digits, two decimals") << "123456789012345.6789" << 2 << "123456789012345.68";
}

void TstMoney::rounded()
{
    QFETCH(QString, value);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    const Money m = Money::parse(value).value();
    QCOMPARE(m.rounded(decimals).raw(), Money::parse(expected).value().raw());
    if (decimals == 0)
        QCOMPARE(m.roundedToWhole().raw(), Money::parse(expected).value().raw());
}

void TstMoney::toPlainString_data()
{
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("text");

    const QChar dot = QLatin1Char('.');
    QTest::newRow("trailing zeros dropped") << qint64(125000) << dot << "12.5";
    QTest::newRow("whole") << qint64(30000) << dot << "3";
    QTest::newRow("hundred") << qint64(1000000) << dot << "100";
    QTest::newRow("zero") << qint64(0) << dot << "0";
    QTest::newRow("smallest step") << qint64(-1) << dot << "-0.0001";
    QTest::newRow("negative below one") << qint64(-5000) << dot << "-0.5";
    QTest::newRow("inner zero kept") << qint64(10203) << dot << "1.0203";
    QTest::newRow("comma") << qint64(123456) << QChar(u',') << "12,3456";
    QTest::newRow("no grouping") << qint64(12345678900000) << dot << "1234567890";
    QTest::newRow("largest") << MaxRaw << dot << "922337203685477.5807";
    QTest::newRow("smallest") << MinRaw << dot << "-922337203685477.5808";
}

void TstMoney::toPlainString()
{
    QFETCH(qint64, raw);
    QFETCH(QChar, separator);
    QFETCH(QString, text);
    const Money m = Money::fromRaw(raw);
    QCOMPARE(m.toPlainString(separator), text);
    // What toPlainString writes, parse reads back unchanged.
    QCOMPARE(Money::parse(text, separator).value().raw(), raw);
}

QTEST_APPLESS_MAIN(TstMoney)
#include "tst_money.moc"
