#include "data/Connection.h"
#include "data/DataError.h"
#include "data/DataSet.h"
#include "data/DMUnit.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace tarvo;

namespace {

// Writes a small SQLite file with the given application id and one table.
void writeStore(const QString &path, int applicationId, int version)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("PRAGMA application_id = %1").arg(applicationId)));
        QVERIFY(q.exec(QStringLiteral("PRAGMA user_version = %1").arg(version)));
        QVERIFY(q.exec(QStringLiteral("CREATE TABLE GOOD (ID_GOOD INTEGER PRIMARY KEY, GOOD_NAME TEXT(50))")));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO GOOD (GOOD_NAME) VALUES ('Мыло')")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
}

} // namespace

class TestConnection : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_saved = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        QFile::remove(QStringLiteral("Tarvo.mdb"));
    }
    void cleanup() { QDir::setCurrent(m_saved); }

    void missingFileIsAnErrorAndRecovers()
    {
        TDM dm;
        dm.ADO()->setExpectedIdentity(0x54617276, 1);
        DataSet ds(QStringLiteral("aqGoods"));
        ds.setSql({QStringLiteral("SELECT * FROM Good")});
        QString message;
        try {
            ds.open();
        } catch (const DataError &e) {
            message = e.message();
        }
        QVERIFY(message.contains(QStringLiteral("Tarvo.mdb")));
        QVERIFY(message.contains(QStringLiteral("не найден")));
        QVERIFY(message.contains(QDir::toNativeSeparators(m_dir.path())));
        QVERIFY(!dm.ADO()->isOpen());
        QVERIFY(!ds.isActive());
        // The program never creates the file.
        QVERIFY(!QFile::exists(QStringLiteral("Tarvo.mdb")));

        // Placing the file makes the next open work without a restart.
        writeStore(m_dir.filePath(QStringLiteral("Tarvo.mdb")), 0x54617276, 1);
        ds.open();
        QCOMPARE(ds.rowCount(), 1);
        QCOMPARE(ds.asString(QStringLiteral("GOOD_NAME")), QStringLiteral("Мыло"));
        QVERIFY(dm.ADO()->isOpen());
    }

    void foreignFilesAreRefused_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("expected");
        QTest::newRow("text file") << 0 << QStringLiteral("не является базой данных программы");
        QTest::newRow("other sqlite file") << 1 << QStringLiteral("не является базой данных программы");
        QTest::newRow("newer schema") << 2 << QStringLiteral("более новой версией");
    }
    void foreignFilesAreRefused()
    {
        QFETCH(int, kind);
        QFETCH(QString, expected);
        const QString path = m_dir.filePath(QStringLiteral("Tarvo.mdb"));
        if (kind == 0) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("Это не база данных, а просто текст.\n");
        } else {
            writeStore(path, kind == 1 ? 12345 : 0x54617276, kind == 1 ? 1 : 99);
        }
        TDM dm;
        dm.ADO()->setExpectedIdentity(0x54617276, 1);
        QString message;
        try {
            dm.ADO()->database();
        } catch (const DataError &e) {
            message = e.message();
        }
        QVERIFY2(message.contains(expected), qPrintable(message));
        QVERIFY(!dm.ADO()->isOpen());
    }

    void oneConnectionForAllDataSets()
    {
        writeStore(m_dir.filePath(QStringLiteral("Tarvo.mdb")), 0x54617276, 1);
        TDM dm;
        QSignalSpy opened(dm.ADO(), &Connection::opened);
        DataSet a(QStringLiteral("a")), b(QStringLiteral("b"));
        a.setSql({QStringLiteral("SELECT * FROM GOOD")});
        b.setSql({QStringLiteral("SELECT count(*) AS N FROM GOOD")});
        a.open();
        a.close();
        b.open();
        QCOMPARE(b.asInteger(QStringLiteral("N")), 1);
        QCOMPARE(opened.count(), 1);
        // Foreign keys are enforced on the program's connection.
        QSqlQuery q(dm.ADO()->database());
        QVERIFY(q.exec(QStringLiteral("PRAGMA foreign_keys")) && q.next());
        QCOMPARE(q.value(0).toInt(), 1);
    }

private:
    QTemporaryDir m_dir;
    QString m_saved;
};

QTEST_GUILESS_MAIN(TestConnection)
#include "tst_connection.moc"
