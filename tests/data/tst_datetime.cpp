#include "data/DateTime.h"

#include <QTest>

#include <cstdlib>
#include <ctime>

using tarvo::DateTime;

// The day numbers below were computed apart from this code, as the number of
// days between 30.12.1899 and the date in the proleptic Gregorian calendar.
class TstDateTime : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dayNumbers_data();
    void dayNumbers();
    void wholeDays_data();
    void wholeDays();
    void fromDateTime_data();
    void fromDateTime();
    void fromIso_data();
    void fromIso();
    void toIsoRoundTrip_data();
    void toIsoRoundTrip();
};

void TstDateTime::initTestCase()
{
    // A zone with daylight-saving gaps in its past (Moscow, 1981-2010), so that
    // reading and writing a wall-clock time must not pass through local time.
    qputenv("TZ", "Europe/Moscow");
    tzset();
}

void TstDateTime::dayNumbers_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("days");

    QTest::newRow("day 0") << QDate(1899, 12, 30) << 0;
    QTest::newRow("day before") << QDate(1899, 12, 29) << -1;
    QTest::newRow("1.1.1900") << QDate(1900, 1, 1) << 2;
    QTest::newRow("1.3.1900, no 29.2.1900") << QDate(1900, 3, 1) << 61;
    QTest::newRow("1.1.1970") << QDate(1970, 1, 1) << 25569;
    QTest::newRow("29.2.2000") << QDate(2000, 2, 29) << 36585;
    QTest::newRow("1.1.2026") << QDate(2026, 1, 1) << 46023;
    QTest::newRow("31.3.2026") << QDate(2026, 3, 31) << 46112;
    QTest::newRow("31.12.9999") << QDate(9999, 12, 31) << 2958465;
}

void TstDateTime::dayNumbers()
{
    QFETCH(QDate, date);
    QFETCH(int, days);

    const DateTime d = DateTime::fromDate(date);
    QCOMPARE(d.days(), double(days));
    QCOMPARE(d.wholeDays(), days);
    QCOMPARE(DateTime(double(days)).date(), date);
}

void TstDateTime::wholeDays_data()
{
    QTest::addColumn<double>("days");
    QTest::addColumn<int>("whole");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");

    QTest::newRow("evening") << 46112.75 << 46112 << QDate(2026, 3, 31) << QTime(18, 0);
    QTest::newRow("just before midnight") << 46112.9999 << 46112 << QDate(2026, 3, 31) << QTime(23, 59, 51, 360);
    QTest::newRow("noon of day 0") << 0.5 << 0 << QDate(1899, 12, 30) << QTime(12, 0);
    // Truncation, not flooring: before the epoch the fraction is the time of
    // the day the whole part names.
    QTest::newRow("before the epoch") << -1.25 << -1 << QDate(1899, 12, 29) << QTime(6, 0);
    QTest::newRow("negative half") << -0.5 << 0 << QDate(1899, 12, 30) << QTime(12, 0);
    QTest::newRow("whole day") << 2.0 << 2 << QDate(1900, 1, 1) << QTime(0, 0);
}

void TstDateTime::wholeDays()
{
    QFETCH(double, days);
    QFETCH(int, whole);
    QFETCH(QDate, date);
    QFETCH(QTime, time);

    const DateTime d(days);
    QCOMPARE(d.wholeDays(), whole);
    QCOMPARE(d.date(), date);
    QCOMPARE(d.dateOnly().days(), double(whole));
    QCOMPARE(d.toDateTime().date(), date);
    QCOMPARE(d.toDateTime().time(), time);
}

void TstDateTime::fromDateTime_data()
{
    QTest::addColumn<QDateTime>("dateTime");
    QTest::addColumn<double>("days");

    QTest::newRow("midnight") << QDateTime(QDate(2026, 3, 31), QTime(0, 0)) << 46112.0;
    QTest::newRow("six in the evening") << QDateTime(QDate(2026, 3, 31), QTime(18, 0)) << 46112.75;
    QTest::newRow("before the epoch") << QDateTime(QDate(1899, 12, 29), QTime(6, 0)) << -1.25;
}

void TstDateTime::fromDateTime()
{
    QFETCH(QDateTime, dateTime);
    QFETCH(double, days);
    QCOMPARE(DateTime::fromDateTime(dateTime).days(), days);
}

void TstDateTime::fromIso_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("days");

    QTest::newRow("date") << "2026-03-31" << true << 46112.0;
    QTest::newRow("date and time") << "2026-03-31 18:00:00" << true << 46112.75;
    QTest::newRow("with T") << "2026-03-31T06:00:00" << true << 46112.25;
    QTest::newRow("without seconds") << "2026-03-31 12:00" << true << 46112.5;
    QTest::newRow("surrounding spaces") << " 2026-03-31 " << true << 46112.0;
    QTest::newRow("before the epoch") << "1899-12-29 06:00:00" << true << -1.25;
    // 02:30 did not exist in Moscow on 25.3.1990; the stored value is still valid.
    QTest::newRow("in a daylight-saving gap") << "1990-03-25 02:30:00" << true << 32957.0 + 2.5 / 24.0;

    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("not a date") << "abc" << false << 0.0;
    QTest::newRow("30 February") << "2026-02-30" << false << 0.0;
    QTest::newRow("hour 25") << "2026-03-31 25:00:00" << false << 0.0;
    QTest::newRow("bad separator") << "2026-03-31X14:05:00" << false << 0.0;
    QTest::newRow("display form") << "31.03.2026" << false << 0.0;
}

void TstDateTime::fromIso()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, days);

    const std::optional<DateTime> d = DateTime::fromIso(text);
    QCOMPARE(d.has_value(), valid);
    if (valid)
        QVERIFY2(std::abs(d->days() - days) < 1e-9, qPrintable(QString::number(d->days(), 'f', 12)));
}

void TstDateTime::toIsoRoundTrip_data()
{
    QTest::addColumn<double>("days");
    QTest::addColumn<QString>("iso");

    QTest::newRow("date only") << 46112.0 << "2026-03-31";
    QTest::newRow("day 0") << 0.0 << "1899-12-30";
    QTest::newRow("time of day") << 46112.0 + (14 * 3600 + 5 * 60) / 86400.0 << "2026-03-31 14:05:00";
    QTest::newRow("before the epoch") << -1.25 << "1899-12-29 06:00:00";
    QTest::newRow("in a daylight-saving gap") << 32957.0 + 2.5 / 24.0 << "1990-03-25 02:30:00";
}

void TstDateTime::toIsoRoundTrip()
{
    QFETCH(double, days);
    QFETCH(QString, iso);

    QCOMPARE(DateTime(days).toIso(), iso);
    const std::optional<DateTime> back = DateTime::fromIso(iso);
    QVERIFY(back.has_value());
    QCOMPARE(back->toIso(), iso);
    QVERIFY(std::abs(back->days() - days) < 1e-9);
}

QTEST_APPLESS_MAIN(TstDateTime)
#include "tst_datetime.moc"
