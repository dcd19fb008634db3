// The setup window's layout, tab order, input limits and the enabling of "&OK".
#include "SetupHarness.h"

#include "data/Connection.h"
#include "data/DMUnit.h"
#include "tests/store/StoreFixture.h"
#include "ui/CalcEdit.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QToolButton>

#include <memory>

using namespace tarvo;
using namespace setuptest;

class TestSetupWindow : public QObject
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

    void rowsOfTheGroupBoxes_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("caption");
        const QString our = QStringLiteral("Наши реквизиты");
        const QString mns = QStringLiteral("Реквизиты МНС");
        const QStringList captions = {"Наименование", "ИНН", "Наименование Банка", "ФИО ответственного лица",
                                      "Телефон", "БИК", "Корр. счет", "Расчетный счет",
                                      "Номер", "Наименование", "ИНН", "Наименование Банка", "БИК",
                                      "Корр. счет", "Расчетный счет"};
        for (int i = 0; i < captions.size(); ++i) {
            const QString name = QStringLiteral("deReq%1").arg(i + 1);
            QTest::newRow(qPrintable(name)) << name << (i < 8 ? our : mns) << captions[i];
        }
    }
    void rowsOfTheGroupBoxes()
    {
        QFETCH(QString, edit);
        QFETCH(QString, group);
        QFETCH(QString, caption);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));

        QLineEdit *e = field(m_form.get(), edit);
        QVERIFY(e);
        auto *box = qobject_cast<QGroupBox *>(e->parentWidget());
        QVERIFY(box);
        QCOMPARE(box->title(), group);
        QVERIFY(box->font().bold());
        QVERIFY(!e->font().bold());

        QLabel *label = nullptr;
        for (QLabel *l : box->findChildren<QLabel *>()) {
            if (l->buddy() == e)
                label = l;
        }
        QVERIFY(label);
        QCOMPARE(label->text(), caption);
        QVERIFY(label->font().bold());
        QCOMPARE(label->width(), 185);
        QCOMPARE(label->frameShadow(), QFrame::Raised);
        // Caption box, then the edit on the same row up to the group's right edge.
        QCOMPARE(label->geometry().center().y(), e->geometry().center().y());
        QVERIFY(e->x() > label->geometry().right());
        QVERIFY(e->geometry().right() >= box->contentsRect().right() - 10);

        // The row lies under the previous one.
        const int index = edit.mid(5).toInt();
        if (index > 1) {
            QLineEdit *above = field(m_form.get(), QStringLiteral("deReq%1").arg(index - 1));
            QVERIFY(e->mapTo(m_form.get(), QPoint(0, 0)).y() > above->mapTo(m_form.get(), QPoint(0, 0)).y());
        }
        m_form->reject();
    }

    void windowAndBottomRow()
    {
        QCOMPARE(m_form->objectName(), QStringLiteral("fmSetup"));
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Настройка"));
        QCOMPARE(m_form->size(), QSize(756, 533));
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));

        auto *rate = field<ui::CalcEdit>(m_form.get(), QStringLiteral("rdbceNsp"));
        QVERIFY(rate);
        QCOMPARE(rate->maxDecimals(), 2);
        QLabel *rateLabel = nullptr;
        for (QLabel *l : m_form->findChildren<QLabel *>()) {
            if (l->buddy() == rate)
                rateLabel = l;
        }
        QVERIFY(rateLabel);
        QCOMPARE(rateLabel->text(), QStringLiteral("Ставка НсП"));
        QVERIFY(rateLabel->geometry().right() < rate->x());

        auto *ok = field<QToolButton>(m_form.get(), QStringLiteral("rsbOk"));
        auto *cancel = field<QToolButton>(m_form.get(), QStringLiteral("RxSpeedButton2"));
        QVERIFY(ok && cancel);
        QCOMPARE(ok->text(), QStringLiteral("&OK"));
        QCOMPARE(cancel->text(), QStringLiteral("&Cancel"));
        QVERIFY(!ok->icon().isNull() && !cancel->icon().isNull());

        // Rate and buttons below both group boxes; the buttons at the bottom right.
        const int groupsBottom = field(m_form.get(), QStringLiteral("deReq15"))->parentWidget()->geometry().bottom();
        QVERIFY(rate->y() > groupsBottom);
        QVERIFY(ok->y() > groupsBottom);
        QVERIFY(ok->x() < cancel->x());
        QVERIFY(cancel->geometry().right() > m_form->width() - 20);
        QVERIFY(ok->geometry().bottom() > m_form->height() - 50);
        m_form->reject();
    }

    void tabOrder()
    {
        QStringList visited;
        runWindow(m_form.get(), [&](QWidget *form) {
            visited << form->focusWidget()->objectName();
            for (int i = 0; i < 16; ++i) {
                QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
                visited << form->focusWidget()->objectName();
            }
        });
        QStringList expected = requisiteNames();
        expected << QStringLiteral("rdbceNsp") << QStringLiteral("deReq1");
        // The window opens on the first requisite, and the buttons take no focus.
        QCOMPARE(visited, expected);
    }

    // "&OK" as the fields are typed into: a new store holds empty requisites
    // and the rate 0.05; every requisite gets a character, the rate is
    // retyped and then one requisite is emptied.
    void okFollowsTheEntries_data()
    {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("emptied");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("all filled") << "0,05" << "" << true;
        QTest::newRow("smallest rate") << "0,01" << "" << true;
        QTest::newRow("whole rate") << "1" << "" << true;
        QTest::newRow("empty rate") << "" << "" << false;
        QTest::newRow("rate 0") << "0" << "" << false;
        QTest::newRow("rate 0,00") << "0,00" << "" << false;
        QTest::newRow("rate only a separator") << "," << "" << false;
        QTest::newRow("first requisite empty") << "0,05" << "deReq1" << false;
        QTest::newRow("last of our requisites empty") << "0,05" << "deReq8" << false;
        QTest::newRow("first of МНС empty") << "0,05" << "deReq9" << false;
        QTest::newRow("last requisite empty") << "0,05" << "deReq15" << false;
        QTest::newRow("requisite and rate empty") << "" << "deReq4" << false;
    }
    void okFollowsTheEntries()
    {
        QFETCH(QString, rate);
        QFETCH(QString, emptied);
        QFETCH(bool, enabled);
        bool okOnShow = true;
        bool okBeforeLast = true;
        bool okAtEnd = !enabled;
        runWindow(m_form.get(), [&](QWidget *form) {
            okOnShow = field<QWidget>(form, "rsbOk")->isEnabled();
            const QStringList names = requisiteNames();
            for (int i = 0; i < names.size(); ++i) {
                if (i == names.size() - 1)
                    okBeforeLast = field<QWidget>(form, "rsbOk")->isEnabled();
                typeText(field(form, names[i]), QStringLiteral("Я"));
            }
            auto *nsp = field<ui::CalcEdit>(form, "rdbceNsp");
            clearField(nsp);
            typeText(nsp, rate);
            if (!emptied.isEmpty())
                clearField(field(form, emptied));
            okAtEnd = field<QWidget>(form, "rsbOk")->isEnabled();
        });
        QVERIFY(!okOnShow);      // the new store's requisites are empty
        QVERIFY(!okBeforeLast);  // fourteen of fifteen are not enough
        QCOMPARE(okAtEnd, enabled);
    }

    // Checked as soon as the window shows the stored row.
    void okOnShow_data()
    {
        QTest::addColumn<QString>("emptyColumn");
        QTest::addColumn<qint64>("rate");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("complete row") << "" << qint64(500) << true;
        QTest::newRow("rate 0") << "" << qint64(0) << false;
        QTest::newRow("no phone") << "OurTel" << qint64(500) << false;
        QTest::newRow("no inspectorate name") << "MNSNAME" << qint64(500) << false;
    }
    void okOnShow()
    {
        QFETCH(QString, emptyColumn);
        QFETCH(qint64, rate);
        QFETCH(bool, enabled);
        fillStoredRow();
        m_store->setRate(rate);
        if (!emptyColumn.isEmpty())
            QVERIFY(m_store->query(QStringLiteral("UPDATE SETUP SET %1 = ''").arg(emptyColumn)).error.isEmpty());
        bool ok = !enabled;
        runWindow(m_form.get(), [&](QWidget *form) { ok = field<QWidget>(form, "rsbOk")->isEnabled(); });
        QCOMPARE(ok, enabled);
    }

    // Emptying a requisite and filling it again follows every change.
    void emptyingAndRefilling()
    {
        fillStoredRow();
        QList<bool> states;
        runWindow(m_form.get(), [&](QWidget *form) {
            auto *ok = field<QWidget>(form, "rsbOk");
            QLineEdit *e = field(form, "deReq7");
            states << ok->isEnabled();
            clearField(e);
            states << ok->isEnabled();
            typeText(e, QStringLiteral("3"));
            states << ok->isEnabled();
            auto *nsp = field<ui::CalcEdit>(form, "rdbceNsp");
            clearField(nsp);
            states << ok->isEnabled();
            typeText(nsp, QStringLiteral("0,1"));
            states << ok->isEnabled();
        });
        QCOMPARE(states, (QList<bool>{true, false, true, false, true}));
    }

    void rateTakesTwoDecimals_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<qint64>("raw");
        QTest::newRow("third decimal refused") << "0,055" << "0,05" << qint64(500);
        QTest::newRow("point as separator") << "0.125" << "0,12" << qint64(1200);
        QTest::newRow("two decimals") << "0,18" << "0,18" << qint64(1800);
        QTest::newRow("one decimal") << "0,5" << "0,5" << qint64(5000);
        QTest::newRow("whole") << "1" << "1" << qint64(10000);
    }
    void rateTakesTwoDecimals()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(qint64, raw);
        QString text;
        qint64 value = -1;
        runWindow(m_form.get(), [&](QWidget *form) {
            auto *nsp = field<ui::CalcEdit>(form, "rdbceNsp");
            clearField(nsp);
            typeText(nsp, typed);
            text = nsp->text();
            value = nsp->value().raw();
        });
        QCOMPARE(text, shown);
        QCOMPARE(value, raw);
    }

    void requisiteStopsAtFifty_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<bool>("pasted");
        QTest::newRow("deReq1 typed") << "deReq1" << false;
        QTest::newRow("deReq9 typed") << "deReq9" << false;
        QTest::newRow("deReq15 typed") << "deReq15" << false;
        QTest::newRow("deReq4 pasted") << "deReq4" << true;
    }
    void requisiteStopsAtFifty()
    {
        QFETCH(QString, edit);
        QFETCH(bool, pasted);
        const QString fifty = QStringLiteral("Ж").repeated(49) + QStringLiteral("й");
        const QString extra = QStringLiteral("xyz");
        QString text;
        runWindow(m_form.get(), [&](QWidget *form) {
            QLineEdit *e = field(form, edit);
            clearField(e);
            if (pasted)
                e->insert(fifty + extra);   // what a paste does
            else
                typeText(e, fifty + extra);
            text = e->text();
        });
        QCOMPARE(text, fifty);
    }

private:
    // Every requisite filled, the rate 0.05.
    void fillStoredRow()
    {
        QStringList sets;
        for (const QString &c : requisiteColumns())
            sets << QStringLiteral("%1 = '%1 значение'").arg(c);
        const auto r = m_store->query(QStringLiteral("UPDATE SETUP SET ") + sets.join(QStringLiteral(", ")));
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    }

    QString m_saved;
    std::unique_ptr<TDM> m_dm;
    std::unique_ptr<TfmSetup> m_form;
    std::unique_ptr<StoreFixture> m_store;
};

QTEST_MAIN(TestSetupWindow)
#include "tst_setup_window.moc"
