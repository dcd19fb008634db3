// The tool tarvo-store run as a user runs it, and its stores opened by the
// stock sqlite3 shell, which lists the tables and stored queries and calls
// every procedure by position.

#include "StoreFixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run run(const QString &program, const QStringList &args, const QByteArray &input = {},
        const QString &workingDirectory = {})
{
    QProcess p;
    if (!workingDirectory.isEmpty())
        p.setWorkingDirectory(workingDirectory);
    p.start(program, args);
    Run r;
    if (!p.waitForStarted(10000)) {
        r.err = p.errorString();
        return r;
    }
    if (!input.isEmpty())
        p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("timed out");
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

Run tool(const QStringList &args, const QString &workingDirectory = {})
{
    return run(QStringLiteral(TARVO_STORE_TOOL), args, {}, workingDirectory);
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Opens a store file through a connection of its own for reading it in a test.
class Reader
{
public:
    explicit Reader(const QString &path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("reader"));
        db.setDatabaseName(path);
        db.open();
    }
    ~Reader()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(QStringLiteral("reader"), false);
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("reader"));
    }
    QList<QVariantList> rows(const QString &sql) const
    {
        QList<QVariantList> result;
        QSqlQuery q(QSqlDatabase::database(QStringLiteral("reader"), false));
        if (!q.exec(sql)) {
            QTest::qFail(qPrintable(sql), __FILE__, __LINE__);
            return result;
        }
        while (q.next()) {
            QVariantList row;
            for (int i = 0; i < q.record().count(); ++i)
                row << q.value(i);
            result << row;
        }
        return result;
    }
    QVariant scalar(const QString &sql) const { return rows(sql).value(0).value(0); }
};

} // namespace

class TestStoreTool : public QObject
{
    Q_OBJECT

private slots:
    void createThenCheck()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tarvo.mdb"));
        Run r = tool({QStringLiteral("create"), path});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY(QFile::exists(path));
        r = tool({QStringLiteral("check"), path});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY(r.out.contains(QStringLiteral("в порядке")));
    }

    // An existing file is replaced only with --force.
    void overwrite_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("create") << "create";
        QTest::newRow("demo") << "demo";
    }
    void overwrite()
    {
        QFETCH(QString, command);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tarvo.mdb"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep me");
        file.close();

        Run r = tool({command, path});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(QStringLiteral("--force")), qPrintable(r.err));
        QCOMPARE(contents(path), QByteArray("keep me"));

        r = tool({command, QStringLiteral("--force"), path});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QCOMPARE(tool({QStringLiteral("check"), path}).exitCode, 0);
    }

    void usage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("no file") << QStringList{"create"};
        QTest::newRow("unknown command") << QStringList{"drop", "Tarvo.mdb"};
        QTest::newRow("two files") << QStringList{"check", "a.mdb", "b.mdb"};
    }
    void usage()
    {
        QFETCH(QStringList, args);
        QTemporaryDir dir;
        const Run r = tool(args, dir.path());
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains(QStringLiteral("Usage")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }

    void checkFails_data()
    {
        QTest::addColumn<QByteArray>("content");   // empty: no file
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QByteArray() << "не найден";
        QTest::newRow("not a store") << QByteArray(2048, 'x') << "не читается как файл SQLite";
    }
    void checkFails()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tarvo.mdb"));
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const Run r = tool({QStringLiteral("check"), path});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(QFile::exists(path), !content.isEmpty());
    }

    // The sample data: realistic, consistent with the store's own rules and
    // with the advances of all but the last one or two due months.
    void demo()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tarvo.mdb"));
        const Run r = tool({QStringLiteral("demo"), path});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QCOMPARE(tool({QStringLiteral("check"), path}).exitCode, 0);

        Reader db(path);
        const auto distributors = db.rows(QStringLiteral("SELECT FIO, ADDRESS, PHONE, BIRTHDAY FROM DISTRIBUTOR"));
        QVERIFY(distributors.size() >= 8 && distributors.size() <= 12);
        const QRegularExpression twoLines(QStringLiteral("^[^\\r\\n]+\\r\\n[^\\r\\n]+\\r\\n$"));
        const QRegularExpression phone(QStringLiteral("^\\(\\d{3}\\)\\d{3}-\\d{2}-\\d{2}$"));
        int withoutPhone = 0;
        for (const QVariantList &d : distributors) {
            QVERIFY2(d.at(0).toString().contains(QRegularExpression(QStringLiteral("^[А-ЯЁ][а-яё]+ "))),
                     qPrintable(d.at(0).toString()));
            QVERIFY2(twoLines.match(d.at(1).toString()).hasMatch(), qPrintable(d.at(1).toString()));
            QVERIFY(d.at(1).toString().contains(QStringLiteral("Москва")));
            if (d.at(2).toString() == QStringLiteral("<Нет телефона>"))
                ++withoutPhone;
            else
                QVERIFY2(phone.match(d.at(2).toString()).hasMatch(), qPrintable(d.at(2).toString()));
        }
        QCOMPARE(withoutPhone, 1);

        const auto goods = db.rows(QStringLiteral("SELECT count(*), sum(NsP), sum(PRICE % 10000 = 5000), "
                                                  "sum(PRICE % 100 <> 0) FROM GOOD"));
        const int goodCount = goods.at(0).at(0).toInt();
        QVERIFY(goodCount >= 15 && goodCount <= 25);
        QVERIFY(goods.at(0).at(1).toInt() > 0 && goods.at(0).at(1).toInt() < goodCount);  // both kinds
        QVERIFY(goods.at(0).at(2).toInt() >= 2);      // prices like 150.50
        QCOMPARE(goods.at(0).at(3).toInt(), 0);        // whole kopecks

        const QDate today = QDate::currentDate();
        const auto orders = db.rows(QStringLiteral(
            "SELECT min(DATE), max(DATE), min(n), max(n), count(*) FROM \"ORDER\" JOIN "
            "(SELECT ID_ORDER AS id, count(*) AS n FROM ORDER_LINE GROUP BY ID_ORDER) ON id = ID_ORDER"));
        QVERIFY(orders.at(0).at(4).toInt() >= 10);
        QCOMPARE(orders.at(0).at(4), db.scalar(QStringLiteral("SELECT count(*) FROM \"ORDER\"")));
        QVERIFY(orders.at(0).at(0).toString() >= StoreFixture::iso(today.addMonths(-6)));
        QVERIFY(orders.at(0).at(1).toString() <= StoreFixture::iso(today));
        QVERIFY(orders.at(0).at(2).toInt() >= 1);
        QVERIFY(orders.at(0).at(3).toInt() <= 5);

        const auto setup = db.rows(QStringLiteral("SELECT * FROM SETUP"));
        QCOMPARE(setup.size(), 1);
        for (int i = 0; i < 15; ++i)
            QVERIFY2(!setup.at(0).at(i).toString().isEmpty(), qPrintable(QString::number(i)));
        QCOMPARE(setup.at(0).at(15).toInt(), 500);

        // Due months: ended months with a line of a taxed good.
        const int dueMonths = db.scalar(QStringLiteral(
            "SELECT count(DISTINCT strftime('%Y-%m', DATE)) FROM \"ORDER\" "
            "JOIN ORDER_LINE USING (ID_ORDER) JOIN GOOD USING (ID_GOOD) "
            "WHERE GOOD.NsP = 1 AND DATE < date('now', 'localtime', 'start of month')")).toInt();
        const int advances = db.scalar(QStringLiteral("SELECT count(*) FROM AVANS")).toInt();
        QVERIFY(dueMonths >= 3);
        QCOMPARE(advances, dueMonths - 2);
        QCOMPARE(db.rows(QStringLiteral("SELECT * FROM V_Get_new")).size(), 1);
        QVERIFY(db.scalar(QStringLiteral("SELECT count(*) FROM V_ORDER WHERE DATE < Lock")).toInt() > 0);
    }

    // The stock shell lists the 6 tables and 7 stored queries with their
    // columns and runs every procedure by position (foreign keys off there).
    void sqliteShell()
    {
        const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
        if (shell.isEmpty())
            QSKIP("the sqlite3 shell is not installed");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tarvo.mdb"));
        const Run created = tool({QStringLiteral("create"), path});
        QVERIFY2(created.exitCode == 0, qPrintable(created.err));

        const QByteArray script = R"(
SELECT 'T ' || name FROM sqlite_schema WHERE type = 'table' AND name NOT LIKE 'sqlite%' ORDER BY name;
SELECT 'C ' || s.name || ': ' || (SELECT group_concat(name, ',') FROM (SELECT name FROM pragma_table_info(s.name) ORDER BY cid))
  FROM sqlite_schema s
 WHERE s.type = 'table' AND s.name NOT LIKE 'sqlite%'
    OR s.name IN ('V_ORDER', 'V_AVANS', 'V_Get_new', 'V_Get_Old', 'V_Periods', 'V_Setup', 'V_Distributor_Check')
 ORDER BY s.name;
INSERT INTO Distributor_Insert VALUES ('Иванов', 'Москва' || char(13, 10), '(495)111-11-11', '1970-01-15');
INSERT INTO Distributor_Update VALUES ('Иванов И. И.', 'Москва' || char(13, 10), '', '1970-01-16', 1);
INSERT INTO Distributor_Insert VALUES ('Петров', 'Тверь' || char(13, 10), '(495)222-22-22', '1980-01-01');
INSERT INTO Distributor_Delete VALUES (2);
INSERT INTO Good_Insert VALUES ('Шампунь', 150.5, 1);
INSERT INTO Good_Insert VALUES ('Хлеб', 32.5, 0);
INSERT INTO Good_Update VALUES ('Хлеб ржаной', 30.25, 0, 2);
INSERT INTO Good_Insert VALUES ('Лишний', 1, 0);
INSERT INTO Good_Delete VALUES (3);
INSERT INTO Order_Insert VALUES (date('now', 'localtime', 'start of month', '-2 months'), 1);
INSERT INTO ORDER_LINE (ID_ORDER, ID_GOOD, QUANTITY) VALUES (1, 1, 10), (1, 2, 4);
INSERT INTO Order_Insert VALUES (date('now', 'localtime'), 1);
INSERT INTO Order_Update VALUES (date('now', 'localtime', 'start of month'), 1, 2);
INSERT INTO Good_Delete VALUES (1);
INSERT INTO Add_Avans DEFAULT VALUES;
SELECT 'D ' || group_concat(ID_DISTRIBUTOR || '/' || FIO || '/' || PHONE || '/' || BIRTHDAY, ';') FROM DISTRIBUTOR;
SELECT 'G ' || group_concat(ID_GOOD || '/' || GOOD_NAME || '/' || PRICE || '/' || NsP, ';') FROM GOOD;
SELECT 'O ' || group_concat(ID_ORDER || '/' || (DATE = date('now', 'localtime', 'start of month')), ';') FROM "ORDER" WHERE ID_ORDER = 2;
SELECT 'A ' || (Data = date('now', 'localtime', 'start of month', '-2 months')) || '/' || SUMMA FROM AVANS;
INSERT INTO Order_Delete VALUES (1);
INSERT INTO DElete_Avans DEFAULT VALUES;
INSERT INTO Order_Delete VALUES (1);
SELECT 'N ' || (SELECT count(*) FROM "ORDER") || '/' || (SELECT count(*) FROM ORDER_LINE) || '/' || (SELECT count(*) FROM AVANS);
)";
        const Run r = run(shell, {QStringLiteral("-batch"), path}, script);
        QVERIFY2(r.exitCode >= 0, qPrintable(r.err));
        const QStringList out = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const QStringList expected{
            "T AVANS", "T DISTRIBUTOR", "T GOOD", "T ORDER", "T ORDER_LINE", "T SETUP",
            "C AVANS: ID_AVANS,Data,SUMMA",
            "C DISTRIBUTOR: ID_DISTRIBUTOR,FIO,ADDRESS,BIRTHDAY,PHONE",
            "C GOOD: ID_GOOD,GOOD_NAME,PRICE,NsP",
            "C ORDER: ID_ORDER,DATE,ID_DISTRIBUTOR",
            "C ORDER_LINE: ID_ORDER_LINE,ID_ORDER,ID_GOOD,QUANTITY",
            "C SETUP: OurName,OurINN,OurBank,OurBIK,OurKorrSch,OurRs,OurFIO,OurTel,OurIMNS,MNSINN,"
            "MNSBank,MNSBIK,MNSKorrSch,MNSRs,MNSNAME,NsP",
            "C V_AVANS: ID_AVANS,Data,Month,Year,SUMMA",
            "C V_Distributor_Check: ID_ORDER,DATE,FIO,ID_ORDER_LINE,ID_GOOD,GOOD_NAME,QUANTITY,PRICE,"
            "SUMMA,NsP_Sum,ID_DISTRIBUTOR,ADDRESS,PHONE",
            "C V_Get_Old: Data,SUMMA",
            "C V_Get_new: NewDate,SUMM",
            "C V_ORDER: FIO,ADDRESS,PHONE,DATE,Lock,ID_ORDER,ID_DISTRIBUTOR",
            "C V_Periods: Period,Start,Finish",
            "C V_Setup: OurIMNS,OURFIO,OurTel,Name,NspVal",
            "D 1/Иванов И. И./<Нет телефона>/1970-01-16",
            "G 1/Шампунь/1505000/1;2/Хлеб ржаной/302500/0",
            "O 2/1",
            "A 1/752500",
            "N 1/0/0",
        };
        QCOMPARE(out, expected);
        // The refusals reached the shell's error output: the good on lines and
        // the order in the closed period (before the roll-back).
        QVERIFY2(r.err.contains(QStringLiteral("Нельзя удалить товар: на него ссылаются строки заказов")),
                 qPrintable(r.err));
        QVERIFY2(r.err.contains(QStringLiteral("закрыт: заказ этого периода удалить нельзя")),
                 qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(TestStoreTool)
#include "tst_store_tool.moc"
