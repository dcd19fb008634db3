// Saving the SETUP row from the setup window: OK in place, Cancel and the
// close box writing nothing, the first row of an empty table, refusals of the
// store and a window without a store.
#include "SetupHarness.h"

#include "data/Connection.h"
#include "data/DMUnit.h"
#include "data/DataSet.h"
#include "tests/store/StoreFixture.h"
#include "ui/CalcEdit.h"

#include <QDir>
#include <QFile>
#include <QLocale>

#include <memory>

using namespace tarvo;
using namespace setuptest;

namespace {

// Distinct values per requisite, so that a value in the wrong column shows.
QStringList enteredValues()
{
    QStringList values;
    for (int i = 1; i <= TfmSetup::RequisiteCount; ++i)
        values << QStringLiteral("Реквизит №%1 «ООО»").arg(i);
    return values;
}

} // namespace

class TestSetupSave : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        m_saved = QDir::currentPath();
        m_dm = std::make_unique<TDM>();
        m_form = std::make_unique<TfmSetup>();
    }
    void cleanupTestCase()
    {
        m_form.reset();
        m_dm.reset();
        QDir::setCurrent(m_saved);
    }
    void init()
    {
        m_store = std::make_unique<StoreFixture>();
        QVERIFY2(m_store->error().isEmpty(), qPrintable(m_store->error()));
        QDir::setCurrent(m_store->folder());
    }
    void cleanup()
    {
        m_dm->ADO()->close();
        QDir::setCurrent(m_saved);
        m_store.reset();
    }

    // Every edit goes to its own column, the rate as an exact currency value,
    // and the single row is changed in place.
    void okSavesTheRowInPlace()
    {
        const QStringList values = enteredValues();
        int result = -1;
        bool visibleAfter = true;
        runWindow(m_form.get(), [&](QWidget *form) {
            const QStringList names = requisiteNames();
            for (int i = 0; i < names.size(); ++i)
                retype(field(form, names[i]), values[i]);
            retype(field<ui::CalcEdit>(form, "rdbceNsp"), QStringLiteral("0,07"));
            click(form, QStringLiteral("rsbOk"));
            visibleAfter = form->isVisible();
        });
        result = m_form->result();
        QVERIFY(!visibleAfter);
        QCOMPARE(result, int(QDialog::Accepted));

        const auto rows = m_store->query(QStringLiteral("SELECT %1, NsP, typeof(NsP) FROM SETUP")
                                             .arg(requisiteColumns().join(QStringLiteral(", "))));
        QVERIFY2(rows.error.isEmpty(), qPrintable(rows.error));
        QCOMPARE(rows.rows.size(), 1);
        QVariantList expected;
        for (const QString &v : values)
            expected << v;
        expected << 700 << QStringLiteral("integer");
        QCOMPARE(rows.rows.first(), expected);
        // The data set is closed with the window.
        QVERIFY(!m_form->findChild<DataSet *>(QStringLiteral("aqSetup"))->isActive());
    }

    // What the window shows of a stored rate, and that OK writes it back
    // unchanged (four decimals included) when nothing was typed.
    void storedRateRoundTrip_data()
    {
        QTest::addColumn<qint64>("raw");
        QTest::addColumn<QString>("shown");
        QTest::newRow("5 %") << qint64(500) << "0,05";
        QTest::newRow("four decimals") << qint64(1234) << "0,1234";
        QTest::newRow("one") << qint64(10000) << "1";
    }
    void storedRateRoundTrip()
    {
        QFETCH(qint64, raw);
        QFETCH(QString, shown);
        fillStoredRow();
        m_store->setRate(raw);
        const QString before = m_store->snapshot();
        QString text;
        runWindow(m_form.get(), [&](QWidget *form) {
            text = field(form, "rdbceNsp")->text();
            click(form, QStringLiteral("rsbOk"));
        });
        QCOMPARE(text, shown);
        QCOMPARE(m_form->result(), int(QDialog::Accepted));
        QCOMPARE(m_store->snapshot(), before);
    }

    void closingWithoutOkSavesNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << "cancel";
        QTest::newRow("close box") << "close";
        QTest::newRow("Escape") << "escape";
    }
    void closingWithoutOkSavesNothing()
    {
        QFETCH(QString, how);
        fillStoredRow();
        const QString before = m_store->snapshot();
        runWindow(m_form.get(), [&](QWidget *form) {
            retype(field(form, "deReq1"), QStringLiteral("Другое имя"));
            retype(field(form, "deReq15"), QStringLiteral("000"));
            retype(field<ui::CalcEdit>(form, "rdbceNsp"), QStringLiteral("0,2"));
            if (how == QLatin1String("cancel"))
                click(form, QStringLiteral("RxSpeedButton2"));
            else if (how == QLatin1String("close"))
                form->close();
            else
                QTest::keyClick(form->focusWidget(), Qt::Key_Escape);
        });
        QCOMPARE(m_form->result(), int(QDialog::Rejected));
        QVERIFY(!m_form->isVisible());
        QCOMPARE(m_store->snapshot(), before);

        // The next showing displays what the store holds, not the typed text.
        QStringList shown;
        runWindow(m_form.get(), [&](QWidget *form) {
            for (const QString &name : requisiteNames())
                shown << field(form, name)->text();
            shown << field(form, "rdbceNsp")->text();
        });
        QStringList expected;
        for (const QString &c : requisiteColumns())
            expected << c + QStringLiteral(" значение");
        expected << QStringLiteral("0,05");
        QCOMPARE(shown, expected);
    }

    // With no row in SETUP the fields are empty and OK inserts the row.
    void emptyTableGetsItsRow()
    {
        removeStoredRow();
        QStringList shownFirst;
        bool okOnShow = true;
        runWindow(m_form.get(), [&](QWidget *form) {
            for (const QString &name : requisiteNames())
                shownFirst << field(form, name)->text();
            shownFirst << field(form, "rdbceNsp")->text();
            okOnShow = field<QWidget>(form, "rsbOk")->isEnabled();
            // Cancel first: still no row.
            typeText(field(form, "deReq1"), QStringLiteral("x"));
            click(form, QStringLiteral("RxSpeedButton2"));
        });
        QCOMPARE(shownFirst, QStringList(16, QString()));
        QVERIFY(!okOnShow);
        QCOMPARE(m_store->scalar(QStringLiteral("SELECT count(*) FROM SETUP")).toInt(), 0);

        const QStringList values = enteredValues();
        runWindow(m_form.get(), [&](QWidget *form) {
            const QStringList names = requisiteNames();
            for (int i = 0; i < names.size(); ++i)
                typeText(field(form, names[i]), values[i]);
            typeText(field(form, "rdbceNsp"), QStringLiteral("0,05"));
            click(form, QStringLiteral("rsbOk"));
        });
        QCOMPARE(m_form->result(), int(QDialog::Accepted));
        const auto rows = m_store->query(QStringLiteral("SELECT %1, NsP FROM SETUP")
                                             .arg(requisiteColumns().join(QStringLiteral(", "))));
        QCOMPARE(rows.rows.size(), 1);
        QVariantList expected;
        for (const QString &v : values)
            expected << v;
        expected << 500;
        QCOMPARE(rows.rows.first(), expected);

        // The next showing displays the new row, and saving again updates it
        // rather than adding a second one.
        QStringList shownAfter;
        runWindow(m_form.get(), [&](QWidget *form) {
            for (const QString &name : requisiteNames())
                shownAfter << field(form, name)->text();
            retype(field(form, "deReq2"), QStringLiteral("7701"));
            click(form, QStringLiteral("rsbOk"));
        });
        QCOMPARE(shownAfter, values);
        QCOMPARE(m_form->result(), int(QDialog::Accepted));
        QCOMPARE(m_store->query(QStringLiteral("SELECT OurINN FROM SETUP")).rows,
                 (QList<QVariantList>{{QStringLiteral("7701")}}));
    }

    // A refused save is reported; the window stays open with the entries and
    // the store keeps its row; corrected entries are then saved.
    void refusedSaveKeepsTheWindowOpen_data()
    {
        QTest::addColumn<bool>("emptyTable");
        QTest::addColumn<QString>("badRate");
        QTest::newRow("rate above one") << false << "2";
        QTest::newRow("negative rate") << false << "-0,05";
        QTest::newRow("empty table, rate above one") << true << "1,5";
    }
    void refusedSaveKeepsTheWindowOpen()
    {
        QFETCH(bool, emptyTable);
        QFETCH(QString, badRate);
        if (emptyTable)
            removeStoredRow();
        else
            fillStoredRow();
        const QString before = m_store->snapshot();
        const QStringList values = enteredValues();

        ErrorBox box;
        bool openAfterRefusal = false;
        QStringList keptEntries;
        QString storeDuringRefusal;
        bool okAfterRefusal = false;
        runWindow(m_form.get(), [&](QWidget *form) {
            const QStringList names = requisiteNames();
            for (int i = 0; i < names.size(); ++i)
                retype(field(form, names[i]), values[i]);
            auto *nsp = field<ui::CalcEdit>(form, "rdbceNsp");
            retype(nsp, badRate);
            answerErrorBox(form, &box);
            click(form, QStringLiteral("rsbOk"));
            openAfterRefusal = form->isVisible();
            for (const QString &name : names)
                keptEntries << field(form, name)->text();
            keptEntries << nsp->text();
            storeDuringRefusal = m_store->snapshot();
            okAfterRefusal = field<QWidget>(form, "rsbOk")->isEnabled();
            // Corrected, the same entries are saved.
            retype(nsp, QStringLiteral("0,06"));
            click(form, QStringLiteral("rsbOk"));
        });
        QCOMPARE(box.name, QStringLiteral("showError"));
        QCOMPARE(box.text, QStringLiteral("Ставка НсП должна быть от 0 до 1"));
        QVERIFY(openAfterRefusal);
        QCOMPARE(keptEntries, QStringList(values) << badRate);
        QCOMPARE(storeDuringRefusal, before);
        QVERIFY(okAfterRefusal);

        QCOMPARE(m_form->result(), int(QDialog::Accepted));
        const auto rows = m_store->query(QStringLiteral("SELECT %1, NsP FROM SETUP")
                                             .arg(requisiteColumns().join(QStringLiteral(", "))));
        QCOMPARE(rows.rows.size(), 1);
        QVariantList expected;
        for (const QString &v : values)
            expected << v;
        expected << 600;
        QCOMPARE(rows.rows.first(), expected);
    }

    // Without a store the error box comes first, then the window with empty
    // fields (not those of an earlier showing), from which nothing is saved.
    void noStoreShowsEmptyFields()
    {
        fillStoredRow();
        QString before;
        runWindow(m_form.get(), [&](QWidget *form) { before = field(form, "deReq1")->text(); });
        QCOMPARE(before, QStringLiteral("OurName значение"));

        m_dm->ADO()->close();
        QVERIFY(QFile::rename(QStringLiteral("Tarvo.mdb"), QStringLiteral("Tarvo.bak")));
        ErrorBox onShow;
        QStringList shown;
        bool okAfterTyping = true;
        runWindow(
            m_form.get(),
            [&](QWidget *form) {
                for (const QString &name : requisiteNames())
                    shown << field(form, name)->text();
                shown << field(form, "rdbceNsp")->text();
                for (const QString &name : requisiteNames())
                    typeText(field(form, name), QStringLiteral("1"));
                typeText(field(form, "rdbceNsp"), QStringLiteral("0,05"));
                okAfterTyping = field<QWidget>(form, "rsbOk")->isEnabled();
                click(form, QStringLiteral("rsbOk"));
            },
            &onShow);
        QCOMPARE(onShow.name, QStringLiteral("showError"));
        QVERIFY2(onShow.text.contains(QStringLiteral("Tarvo.mdb")), qPrintable(onShow.text));
        QCOMPARE(shown, QStringList(16, QString()));
        QVERIFY(!okAfterTyping);
        QCOMPARE(m_form->result(), int(QDialog::Rejected));
        QVERIFY(!QFile::exists(QStringLiteral("Tarvo.mdb")));
    }

private:
    void fillStoredRow()
    {
        QStringList sets;
        for (const QString &c : requisiteColumns())
            sets << QStringLiteral("%1 = '%1 значение'").arg(c);
        const auto r = m_store->query(QStringLiteral("UPDATE SETUP SET ") + sets.join(QStringLiteral(", ")));
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    }
    // A store delivered without its SETUP row (the store itself refuses to
    // delete it, so its guard is lifted first).
    void removeStoredRow()
    {
        for (const char *sql : {"DROP TRIGGER SETUP_Check_Delete", "DELETE FROM SETUP"}) {
            const auto r = m_store->query(QString::fromLatin1(sql));
            QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        }
    }

    QString m_saved;
    std::unique_ptr<TDM> m_dm;
    std::unique_ptr<TfmSetup> m_form;
    std::unique_ptr<StoreFixture> m_store;
};

QTEST_MAIN(TestSetupSave)
#include "tst_setup_save.moc"
