#include "app/Application.h"
#include "app/MainUnit.h"
#include "app/Shell.h"
#include "data/DataError.h"
#include "data/DataSet.h"
#include "store/Store.h"
#include "tests/common/Modal.h"
#include "ui/Form.h"
#include "ui/Guard.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace tarvo;

class TestShell : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_saved = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        m_shell = new Shell;
        m_shell->mainWindow()->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_shell->mainWindow()));
    }
    void cleanupTestCase()
    {
        delete m_shell;
        QDir::setCurrent(m_saved);
    }

    void instancesInTheirOrder()
    {
        QStringList names;
        for (QObject *o : m_shell->instances())
            names << o->objectName();
        QCOMPARE(names, (QStringList{"fmMainMenu", "fmDistributorList", "DM", "fmDistributorEdit",
                                     "fmGoodsList", "fmGoodEdit", "fmOrders", "fmCheck", "fmOrderEdit",
                                     "fmOrderLine", "fmSetup", "fmAvans", "fmAddAvans", "fmDelAvans",
                                     "repPP", "fmPeriods", "RepNsp", "fmOle"}));
        // Only the main window is visible.
        for (QObject *o : m_shell->instances()) {
            if (auto *w = qobject_cast<QWidget *>(o); w && o != m_shell->mainWindow())
                QVERIFY2(!w->isVisible(), qPrintable(o->objectName()));
        }
    }

    void mainWindowAndMenu_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("parent");
        QTest::newRow("N1") << "N1" << "&Справочники" << "";
        QTest::newRow("N2") << "N2" << "&Дистрибьютеры" << "N1";
        QTest::newRow("N5") << "N5" << "&Товары" << "N1";
        QTest::newRow("N7") << "N7" << "&Конфигурация" << "N1";
        QTest::newRow("N3") << "N3" << "&Заказы" << "";
        QTest::newRow("N4") << "N4" << "&Налог  с продаж" << "";
        QTest::newRow("N8") << "N8" << "&Авансовые платежи" << "N4";
        QTest::newRow("N9") << "N9" << "&Расчет" << "N4";
        QTest::newRow("N10") << "N10" << "&Планирование налогового бремени" << "";
        QTest::newRow("N11") << "N11" << "&Оптимизация налогового бремени" << "";
        QTest::newRow("N13") << "N13" << "&Метод микробалансов" << "N11";
        QTest::newRow("N14") << "N14" << "&Метод графо-аналитических зависимостей" << "N11";
        QTest::newRow("N12") << "N12" << "&НСИ" << "";
        QTest::newRow("N6") << "N6" << "&Выход" << "";
    }
    void mainWindowAndMenu()
    {
        QFETCH(QString, item);
        QFETCH(QString, caption);
        QFETCH(QString, parent);
        TfmMainMenu *main = m_shell->mainWindow();
        QCOMPARE(main->windowTitle(), QStringLiteral("АРМ для расчета Налога с продаж"));
        QCOMPARE(main->size(), QSize(961, 578));
        QMenuBar *bar = main->menuBar();
        QList<QAction *> pool = parent.isEmpty() ? bar->actions()
                                                 : main->findChild<QMenu *>(parent)->actions();
        QAction *found = nullptr;
        for (QAction *a : pool) {
            if (a->objectName() == item)
                found = a;
        }
        QVERIFY2(found, qPrintable(item));
        QCOMPARE(found->text(), caption);
    }

    void menuBarOrder()
    {
        QStringList captions;
        for (QAction *a : m_shell->mainWindow()->menuBar()->actions())
            captions << a->objectName();
        QCOMPARE(captions, (QStringList{"N1", "N3", "N4", "N10", "N11", "N12", "N6"}));
    }

    void commandsOpenTheirWindowModally_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::newRow("distributors") << "N2" << "fmDistributorList" << "Дистрибьютеры";
        QTest::newRow("goods") << "N5" << "fmGoodsList" << "Товары";
        QTest::newRow("setup") << "N7" << "fmSetup" << "Настройка";
        QTest::newRow("orders") << "N3" << "fmOrders" << "Заказы";
        QTest::newRow("advances") << "N8" << "fmAvans" << "Авансы";
        QTest::newRow("planning") << "N10" << "fmOle" << "Планирование налогового  бремени";
    }
    void commandsOpenTheirWindowModally()
    {
        QFETCH(QString, item);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        TfmMainMenu *main = m_shell->mainWindow();
        auto *action = main->findChild<QAction *>(item);
        QVERIFY(action);
        for (int round = 0; round < 2; ++round) {
            QString seen;
            QString seenCaption;
            bool mainVisible = true;
            QWidget *shown = nullptr;
            test::whenModal([&](QWidget *w) {
                // A missing store may show an error box first; answer it too.
                if (qobject_cast<QMessageBox *>(w)) {
                    w->close();
                    test::whenModal([&](QWidget *form) {
                        seen = form->objectName();
                        seenCaption = form->windowTitle();
                        mainVisible = main->isVisible();
                        shown = form;
                        form->close();
                    });
                    return;
                }
                seen = w->objectName();
                seenCaption = w->windowTitle();
                mainVisible = main->isVisible();
                shown = w;
                w->close();
            });
            action->trigger();
            QCOMPARE(seen, window);
            QCOMPARE(seenCaption, caption);
            QVERIFY(!mainVisible);
            QVERIFY(main->isVisible());
            if (round == 0)
                m_first = shown;
            else
                QCOMPARE(shown, m_first);   // the same instance every time
        }
    }

    void idleItemsDoNothing_data()
    {
        QTest::addColumn<QString>("item");
        QTest::newRow("N13") << "N13";
        QTest::newRow("N14") << "N14";
        QTest::newRow("N12") << "N12";
        QTest::newRow("N9 without a period dialog") << "N9";
    }
    void idleItemsDoNothing()
    {
        QFETCH(QString, item);
        TfmMainMenu *main = m_shell->mainWindow();
        bool modalSeen = false;
        QTimer probe;
        connect(&probe, &QTimer::timeout, [&] {
            if (QWidget *w = QApplication::activeModalWidget()) {
                modalSeen = true;
                w->close();
            }
        });
        probe.start(10);
        main->findChild<QAction *>(item)->trigger();
        QTest::qWait(100);
        QVERIFY(!modalSeen);
        QVERIFY(main->isVisible());
    }

    void missingStoreShowsTheErrorAndRecovers()
    {
        DataSet ds(QStringLiteral("aqGoods"));
        ds.setSql({QStringLiteral("SELECT * FROM Good")});
        QString shown;
        test::whenModal([&](QWidget *w) {
            if (auto *box = qobject_cast<QMessageBox *>(w))
                shown = box->text();
            w->close();
        });
        QVERIFY(!ui::guard([&] { ds.open(); }));
        QVERIFY2(shown.contains(QStringLiteral("Tarvo.mdb")) && shown.contains(QStringLiteral("не найден")),
                 qPrintable(shown));

        QCOMPARE(store::create(QDir::current().absoluteFilePath(QStringLiteral("Tarvo.mdb"))), QString());
        QVERIFY(ui::guard([&] { ds.open(); }));
        QVERIFY(ds.isActive());
        ds.close();
    }

    void uncaughtErrorIsShownAndTheProgramCarriesOn()
    {
        QString shown;
        test::whenModal([&](QWidget *w) {
            if (auto *box = qobject_cast<QMessageBox *>(w))
                shown = box->text();
            w->close();
        });
        QTimer::singleShot(0, this, [] { throw DataError(QStringLiteral("Ошибка хранилища")); });
        QTRY_COMPARE_WITH_TIMEOUT(shown, QStringLiteral("Ошибка хранилища"), 5000);
        QVERIFY(m_shell->mainWindow()->isVisible());
    }

    void exitEndsWithCodeZero()
    {
        QTimer::singleShot(0, m_shell->mainWindow(), [this] {
            m_shell->mainWindow()->findChild<QAction *>(QStringLiteral("N6"))->trigger();
        });
        QCOMPARE(QApplication::exec(), 0);
        QTimer::singleShot(0, m_shell->mainWindow(), [this] { m_shell->mainWindow()->close(); });
        QCOMPARE(QApplication::exec(), 0);
    }

private:
    QTemporaryDir m_dir;
    QString m_saved;
    Shell *m_shell = nullptr;
    QWidget *m_first = nullptr;
};

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    TestShell test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shell.moc"
