#include "data/Formats.h"

#include <QTest>

#include <limits>

using tarvo::DateTime;
using tarvo::Money;
namespace fmt = tarvo::fmt;

// Every case names its locale; nothing depends on the machine's locale.
namespace {
QLocale ru() { return QLocale(QLocale::Russian, QLocale::Russia); }
QLocale us() { return QLocale(QLocale::English, QLocale::UnitedStates); }
QLocale de() { return QLocale(QLocale::German, QLocale::Germany); }

// The Russian group separator and the space before the currency symbol are
// no-break spaces, written "_" in the expected texts.
QString nb(const QString &text) { return QString(text).replace(u'_', QChar(0x00A0)); }

Money money(const char *text) { return Money::parse(QString::fromLatin1(text)).value(); }
DateTime day(int y, int m, int d) { return DateTime::fromDate(QDate(y, m, d)); }
}

class TstFormats : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void moneyPlain_data();
    void moneyPlain();
    void moneyHash00_data();
    void moneyHash00();
    void currency_data();
    void currency();
    void date_data();
    void date();
    void shortDate_data();
    void shortDate();
    void parseShortDate_data();
    void parseShortDate();
    void floatGeneral_data();
    void floatGeneral();
};

void TstFormats::initTestCase()
{
    // A default locale unlike both pinned ones shows any use of it.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}

void TstFormats::moneyPlain_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<Money>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("ru decimals") << ru() << money("12.5") << "12,5";
    QTest::newRow("ru four decimals") << ru() << money("-0.0001") << "-0,0001";
    QTest::newRow("ru whole") << ru() << money("3.0000") << "3";
    QTest::newRow("ru no grouping") << ru() << money("1234567.89") << "1234567,89";
    QTest::newRow("ru 19 digits") << ru() << Money::fromRaw(std::numeric_limits<qint64>::max()) << "922337203685477,5807";
    QTest::newRow("us decimals") << us() << money("12.5") << "12.5";
    QTest::newRow("us no grouping") << us() << money("-1234567.89") << "-1234567.89";
}

void TstFormats::moneyPlain()
{
    QFETCH(QLocale, locale);
    QFETCH(Money, value);
    QFETCH(QString, text);
    QCOMPARE(fmt::moneyPlain(value, locale), text);
}

void TstFormats::moneyHash00_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<Money>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("ru half") << ru() << money("0.5") << ",50";
    QTest::newRow("ru zero") << ru() << money("0") << ",00";
    QTest::newRow("ru negative half") << ru() << money("-0.5") << "-,50";
    QTest::newRow("ru half even stays") << ru() << money("12.345") << "12,34";
    QTest::newRow("ru half odd goes up") << ru() << money("12.355") << "12,36";
    QTest::newRow("ru above half") << ru() << money("12.3451") << "12,35";
    QTest::newRow("ru negative half even") << ru() << money("-12.345") << "-12,34";
    QTest::newRow("ru rounds up to one") << ru() << money("0.995") << "1,00";
    QTest::newRow("ru stays below one") << ru() << money("0.985") << ",98";
    QTest::newRow("ru negative rounds to zero") << ru() << money("-0.004") << ",00";
    QTest::newRow("ru no grouping") << ru() << money("1234567.5") << "1234567,50";
    // A double would turn this into ...477,62.
    QTest::newRow("ru 19 digits") << ru() << Money::fromRaw(std::numeric_limits<qint64>::max()) << "922337203685477,58";
    QTest::newRow("us half") << us() << money("0.5") << ".50";
    QTest::newRow("us negative half") << us() << money("-0.5") << "-.50";
    QTest::newRow("us half odd goes up") << us() << money("12.355") << "12.36";
}

void TstFormats::moneyHash00()
{
    QFETCH(QLocale, locale);
    QFETCH(Money, value);
    QFETCH(QString, text);
    QCOMPARE(fmt::moneyHash00(value, locale), text);
}

void TstFormats::currency_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<Money>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("ru grouped") << ru() << money("1234.5") << nb(u"1_234,50_\u20BD"_qs);
    QTest::newRow("ru zero") << ru() << money("0") << nb(u"0,00_\u20BD"_qs);
    QTest::newRow("ru below one") << ru() << money("0.5") << nb(u"0,50_\u20BD"_qs);
    QTest::newRow("ru negative") << ru() << money("-1234.5") << nb(u"-1_234,50_\u20BD"_qs);
    QTest::newRow("ru half even stays") << ru() << money("0.025") << nb(u"0,02_\u20BD"_qs);
    QTest::newRow("ru half odd goes up") << ru() << money("0.015") << nb(u"0,02_\u20BD"_qs);
    QTest::newRow("ru negative rounds to zero") << ru() << money("-0.004") << nb(u"0,00_\u20BD"_qs);
    QTest::newRow("ru millions") << ru() << money("1234567.125") << nb(u"1_234_567,12_\u20BD"_qs);
    QTest::newRow("ru 19 digits") << ru() << money("123456789012345.6789")
                                  << nb(u"123_456_789_012_345,68_\u20BD"_qs);
    // A double would turn this into ...477,62.
    QTest::newRow("ru largest") << ru() << Money::fromRaw(std::numeric_limits<qint64>::max())
                                << nb(u"922_337_203_685_477,58_\u20BD"_qs);
    QLocale ruNoGroups = ru();
    ruNoGroups.setNumberOptions(QLocale::OmitGroupSeparator);
    QTest::newRow("ru grouped whatever the options") << ruNoGroups << money("1234.5")
                                                     << nb(u"1_234,50_\u20BD"_qs);

    QTest::newRow("us grouped") << us() << money("1234.5") << "$1,234.50";
    QTest::newRow("us negative") << us() << money("-1234.5") << "($1,234.50)";
    QTest::newRow("us below one") << us() << money("0.005") << "$0.00";
    QTest::newRow("us largest") << us() << Money::fromRaw(std::numeric_limits<qint64>::max())
                                << "$922,337,203,685,477.58";
    QTest::newRow("de grouped") << de() << money("-1234567.5") << nb(u"-1.234.567,50_\u20AC"_qs);
}

void TstFormats::currency()
{
    QFETCH(QLocale, locale);
    QFETCH(Money, value);
    QFETCH(QString, text);
    QCOMPARE(fmt::currency(value, locale), text);
}

void TstFormats::date_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<DateTime>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");

    const DateTime march31 = day(2026, 3, 31);
    QTest::newRow("ru dd.mm.yyyy") << ru() << march31 << "dd.mm.yyyy" << "31.03.2026";
    QTest::newRow("ru leading zeros") << ru() << day(2026, 1, 5) << "dd.mm.yyyy" << "05.01.2026";
    QTest::newRow("ru no leading zeros") << ru() << day(2026, 1, 5) << "d.m.yy" << "5.1.26";
    QTest::newRow("ru time of day ignored") << ru() << DateTime(march31.days() + 0.99) << "dd.mm.yyyy" << "31.03.2026";
    QTest::newRow("ru day 0") << ru() << DateTime() << "dd.mm.yyyy" << "30.12.1899";
    QTest::newRow("ru short month") << ru() << march31 << "dd mmm yyyy" << QStringLiteral("31 мар. 2026");
    QTest::newRow("ru short month May") << ru() << day(2026, 5, 1) << "dd mmm yyyy" << QStringLiteral("01 мая 2026");
    QTest::newRow("ru full month") << ru() << march31 << "mmmm" << QStringLiteral("Март");
    QTest::newRow("ru full month May") << ru() << day(2026, 5, 1) << "mmmm" << QStringLiteral("Май");
    QTest::newRow("ru year") << ru() << march31 << "yyyy" << "2026";
    QTest::newRow("ru month - year") << ru() << march31 << QStringLiteral("mmmm - yyyy года")
                                     << QStringLiteral("Март - 2026 года");
    QTest::newRow("ru month year dot") << ru() << day(2025, 12, 1) << QStringLiteral("mmmm yyyy года.")
                                       << QStringLiteral("Декабрь 2025 года.");
    QTest::newRow("ru run without separators") << ru() << march31 << "ddmmyyyy" << "31032026";
    QTest::newRow("ru weekday") << ru() << march31 << "dddd" << QStringLiteral("вторник");

    QTest::newRow("us dd.mm.yyyy") << us() << march31 << "dd.mm.yyyy" << "31.03.2026";
    QTest::newRow("us short month") << us() << march31 << "dd mmm yyyy" << "31 Mar 2026";
    QTest::newRow("us full month") << us() << march31 << "mmmm yyyy" << "March 2026";
    QTest::newRow("us weekday") << us() << march31 << "ddd, d" << "Tue, 31";
}

void TstFormats::date()
{
    QFETCH(QLocale, locale);
    QFETCH(DateTime, value);
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QCOMPARE(fmt::date(value, pattern, locale), text);
}

void TstFormats::shortDate_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<DateTime>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");

    QTest::newRow("ru") << ru() << day(2026, 3, 31) << "dd.MM.yyyy" << "31.03.2026";
    QTest::newRow("ru leading zeros") << ru() << day(2026, 1, 5) << "dd.MM.yyyy" << "05.01.2026";
    QTest::newRow("ru time of day ignored") << ru() << DateTime(46112.75) << "dd.MM.yyyy" << "31.03.2026";
    QTest::newRow("us") << us() << day(2026, 3, 31) << "M/d/yyyy" << "3/31/2026";
    QTest::newRow("us single digits") << us() << day(2026, 1, 5) << "M/d/yyyy" << "1/5/2026";
    // The German short form has a two-digit year of its own.
    QTest::newRow("de") << de() << day(1999, 12, 31) << "dd.MM.yyyy" << "31.12.1999";
}

void TstFormats::shortDate()
{
    QFETCH(QLocale, locale);
    QFETCH(DateTime, value);
    QFETCH(QString, pattern);
    QFETCH(QString, text);

    QCOMPARE(fmt::shortDatePattern(locale), pattern);
    QCOMPARE(fmt::shortDate(value, locale), text);
    const std::optional<DateTime> back = fmt::parseShortDate(text, locale);
    QVERIFY(back.has_value());
    QCOMPARE(back->days(), value.dateOnly().days());
}

void TstFormats::parseShortDate_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QDate>("date");

    QTest::newRow("ru") << ru() << "31.03.2026" << true << QDate(2026, 3, 31);
    QTest::newRow("ru spaces") << ru() << " 31.03.2026 " << true << QDate(2026, 3, 31);
    QTest::newRow("ru without leading zeros") << ru() << "5.3.2026" << true << QDate(2026, 3, 5);
    QTest::newRow("ru leap day") << ru() << "29.02.2024" << true << QDate(2024, 2, 29);
    QTest::newRow("ru 31 February") << ru() << "31.02.2026" << false << QDate();
    QTest::newRow("ru 29 February, no leap year") << ru() << "29.02.2026" << false << QDate();
    QTest::newRow("ru day 32") << ru() << "32.01.2026" << false << QDate();
    QTest::newRow("ru month 13") << ru() << "01.13.2026" << false << QDate();
    QTest::newRow("ru two-digit year") << ru() << "31.03.26" << false << QDate();
    QTest::newRow("ru letters") << ru() << "abc" << false << QDate();
    QTest::newRow("ru empty") << ru() << "" << false << QDate();
    QTest::newRow("ru trailing text") << ru() << "31.03.2026x" << false << QDate();
    QTest::newRow("ru month first") << ru() << "3/31/2026" << false << QDate();
    QTest::newRow("us") << us() << "3/31/2026" << true << QDate(2026, 3, 31);
    QTest::newRow("us with zeros") << us() << "03/05/2026" << true << QDate(2026, 3, 5);
    QTest::newRow("us day first") << us() << "31/3/2026" << false << QDate();
    QTest::newRow("us 30 February") << us() << "2/30/2026" << false << QDate();
}

void TstFormats::parseShortDate()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QDate, date);

    const std::optional<DateTime> d = fmt::parseShortDate(text, locale);
    QCOMPARE(d.has_value(), valid);
    if (valid)
        QCOMPARE(d->date(), date);
}

void TstFormats::floatGeneral_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("ru tenth") << ru() << 0.1 << "0,1";
    QTest::newRow("ru binary noise hidden") << ru() << (0.1 + 0.2) << "0,3";
    QTest::newRow("ru two and a half") << ru() << 2.5 << "2,5";
    QTest::newRow("ru hundred") << ru() << 100.0 << "100";
    QTest::newRow("ru zero") << ru() << 0.0 << "0";
    QTest::newRow("ru negative zero") << ru() << -0.0 << "0";
    QTest::newRow("ru no grouping") << ru() << -1234567.125 << "-1234567,125";
    QTest::newRow("ru third") << ru() << 1.0 / 3.0 << "0,333333333333333";
    QTest::newRow("ru two thirds, last digit rounded") << ru() << 2.0 / 3.0 << "0,666666666666667";
    QTest::newRow("ru 15 digits") << ru() << 999999999999999.0 << "999999999999999";
    QTest::newRow("ru 1E15") << ru() << 1e15 << "1E15";
    QTest::newRow("ru 1E20") << ru() << 1e20 << "1E20";
    QTest::newRow("ru large with digits") << ru() << 123456789012345678.0 << "1,23456789012346E17";
    QTest::newRow("ru small fixed") << ru() << 0.00001 << "0,00001";
    QTest::newRow("ru small exponent") << ru() << 0.000001 << "1E-6";
    QTest::newRow("ru small negative exponent") << ru() << -1.5e-7 << "-1,5E-7";
    QTest::newRow("us tenth") << us() << 0.1 << "0.1";
    QTest::newRow("us no grouping") << us() << 1234.5 << "1234.5";
    QTest::newRow("us 1E20") << us() << 1e20 << "1E20";
}

void TstFormats::floatGeneral()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(fmt::floatGeneral(value, locale), text);
}

QTEST_APPLESS_MAIN(TstFormats)
#include "tst_formats.moc"
