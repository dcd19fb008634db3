// The two directory lists, goods and distributors: the grid and panel, the
// sort order chosen by title clicks and redone on every showing, the buttons
// of an empty list, the double click and a list whose table cannot be read.

#include "DirectoriesTest.h"

#include "data/DMUnit.h"
#include "data/DataSet.h"
#include "data/DataSetModel.h"
#include "data/Formats.h"
#include "directories/DistrbutorEditUnit.h"
#include "directories/GoodEditUnit.h"
#include "directories/SpDistributorUnit.h"
#include "directories/SpGoodUnit.h"
#include "tests/store/StoreFixture.h"
#include "ui/DataGrid.h"
#include "ui/FlatButton.h"

#include <QDir>
#include <QTemporaryDir>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace tarvo;
using tarvo::test::clickTitle;

class TestLists : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void gridColumns_data();
    void gridColumns();
    void panelAndStatusBar_data();
    void panelAndStatusBar();
    void cellsShowTheirFormats();
    void titleClicksSortInTheStore_data();
    void titleClicksSortInTheStore();
    void everyShowingStartsInCodeOrder_data();
    void everyShowingStartsInCodeOrder();
    void emptyTable_data();
    void emptyTable();
    void doubleClickActsAsChange_data();
    void doubleClickActsAsChange();
    void unreadableTableStillShowsTheWindow();

private:
    // The list window of a data row ("goods" or "distributors"), shown.
    SortableListForm *showList(const QString &which);
    DataSet *queryOf(QWidget *list) const;
    ui::DataGrid *gridOf(QWidget *list) const;
    void fillStore();

    std::unique_ptr<test::Workspace> m_world;
};

void TestLists::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}

void TestLists::init()
{
    m_world = std::make_unique<test::Workspace>();
    QVERIFY2(m_world->store.error().isEmpty(), qPrintable(m_world->store.error()));
}

void TestLists::cleanup()
{
    m_world.reset();
}

void TestLists::fillStore()
{
    // Code order differs from name, price and birthday order.
    m_world->store.addGood(QStringLiteral("Сахар"), 55.0, true);
    m_world->store.addGood(QStringLiteral("Мука"), 40.5, false);
    m_world->store.addGood(QStringLiteral("Чай"), 120.0, true);
    m_world->store.addGood(QStringLiteral("Кофе"), 310.25, false);
    m_world->store.addDistributor(QStringLiteral("Петров Пётр"), QStringLiteral("Москва\r\nул. Тверская, 1\r\n"),
                            QStringLiteral("(495)111-11-11"), QDate(1970, 1, 15));
    m_world->store.addDistributor(QStringLiteral("Алексеев Иван"), QStringLiteral("Тула\r\n"),
                            QStringLiteral("<Нет телефона>"), QDate(1985, 5, 5));
    m_world->store.addDistributor(QStringLiteral("Яковлев Олег"), QStringLiteral("Тверь\r\n"),
                            QStringLiteral("(4822)22-22-22"), QDate(1960, 3, 3));
}

SortableListForm *TestLists::showList(const QString &which)
{
    SortableListForm *list = which == QLatin1String("goods")
                                 ? static_cast<SortableListForm *>(m_world->goods.get())
                                 : static_cast<SortableListForm *>(m_world->distributors.get());
    list->show();
    if (!QTest::qWaitForWindowExposed(list))
        return nullptr;
    return list;
}

DataSet *TestLists::queryOf(QWidget *list) const
{
    return list->findChild<DataSet *>(list == m_world->goods.get() ? QStringLiteral("aqGoods")
                                                              : QStringLiteral("aqDistributors"));
}

ui::DataGrid *TestLists::gridOf(QWidget *list) const
{
    return list->findChild<ui::DataGrid *>(list == m_world->goods.get() ? QStringLiteral("ehgGoods")
                                                                   : QStringLiteral("ehgDistributors"));
}

void TestLists::gridColumns_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<QList<int>>("alignments");
    const int left = int(Qt::AlignLeft | Qt::AlignVCenter);
    const int right = int(Qt::AlignRight | Qt::AlignVCenter);
    const int centre = int(Qt::AlignCenter);
    // Columns without a design width take their field's display width: 50
    // characters for the name, 10 for a price or a date.
    const int digit = QFontMetrics(QApplication::font()).horizontalAdvance(QLatin1Char('0'));
    const int nameWidth = digit * 50 + 4;
    const int defaultWidth = digit * 10 + 4;
    QTest::newRow("goods") << "goods" << "Товары" << QSize(988, 686)
                           << QStringList{"Код товара", "Наименование товара", "Цена", "Облагается НсП"}
                           << QList<int>{90, nameWidth, defaultWidth, 102}
                           << QList<int>{centre, left, right, centre};
    QTest::newRow("distributors") << "distributors" << "Дистрибьютеры" << QSize(767, 423)
                                  << QStringList{"Код Дистрибьютора", "ФИО", "Адрес", "Телефон", "День рождения"}
                                  << QList<int>{125, 142, 224, 106, defaultWidth}
                                  << QList<int>{centre, left, left, centre, centre};
}

void TestLists::gridColumns()
{
    QFETCH(QString, which);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(QStringList, titles);
    QFETCH(QList<int>, widths);
    QFETCH(QList<int>, alignments);
    fillStore();
    SortableListForm *list = showList(which);
    QVERIFY(list);
    QCOMPARE(list->windowTitle(), caption);
    QCOMPARE(list->size(), size);

    ui::DataGrid *grid = gridOf(list);
    QVERIFY(grid);
    QCOMPARE(grid->gridColumnCount(), titles.size());
    int total = 0;
    for (int c = 0; c < titles.size(); ++c) {
        const ui::GridColumn &column = grid->columns().at(c);
        QCOMPARE(column.title, titles.at(c));
        QCOMPARE(grid->designWidth(c), widths.at(c));
        QCOMPARE(int(column.alignment), alignments.at(c));
        QCOMPARE(column.titleAlignment, Qt::AlignCenter);
        QVERIFY(column.titleButton);
        total += grid->columnWidth(grid->modelColumn(c));
    }
    // Stretched proportionally to fill the grid.
    QCOMPARE(total, grid->viewport()->width());
    QVERIFY(grid->columnWidth(grid->modelColumn(0)) > widths.at(0));
    // Read-only, whole rows, no indicator column.
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(!grid->isRowIndicatorShown());
    list->close();
}

void TestLists::panelAndStatusBar_data()
{
    QTest::addColumn<QString>("which");
    QTest::newRow("goods") << "goods";
    QTest::newRow("distributors") << "distributors";
}

void TestLists::panelAndStatusBar()
{
    QFETCH(QString, which);
    fillStore();
    SortableListForm *list = showList(which);
    QVERIFY(list);
    auto *panel = list->findChild<QFrame *>(QStringLiteral("Panel1"));
    QVERIFY(panel);
    QCOMPARE(panel->height(), 41);
    const QList<std::pair<QString, QString>> buttons{{"sbAdd", "&Добавить"},
                                                     {"sbChange", "&Изменить"},
                                                     {"sbDelete", "&Удалить"},
                                                     {"SpeedButton4", "&Выход"}};
    QList<int> lefts;
    for (const auto &[name, text] : buttons) {
        auto *b = panel->findChild<ui::FlatButton *>(name);
        QVERIFY2(b, qPrintable(name));
        QCOMPARE(b->text(), text);
        QCOMPARE(b->size(), QSize(109, 33));
        QVERIFY(b->isEnabled());
        lefts << b->x();
    }
    auto *progress = panel->findChild<QProgressBar *>(QStringLiteral("ProgressBar1"));
    QVERIFY(progress);
    QCOMPARE(progress->width(), 150);
    QCOMPARE(progress->value(), progress->minimum());
    QCOMPARE(progress->maximum(), 100);
    // Add, change, delete at the left, the progress bar, exit at the right end.
    QVERIFY(lefts[0] < lefts[1] && lefts[1] < lefts[2]);
    QVERIFY(lefts[2] < progress->x() && progress->x() < lefts[3]);
    QVERIFY(panel->width() - (lefts[3] + 109) < 10);

    auto *status = list->findChild<QStatusBar *>(QStringLiteral("StatusBar1"));
    QVERIFY(status);
    QVERIFY(status->y() > panel->y());
    const QList<QLabel *> panels = status->findChildren<QLabel *>();
    QCOMPARE(panels.size(), 2);
    for (QLabel *p : panels) {
        QCOMPARE(p->width(), 50);
        QVERIFY(p->text().isEmpty());
    }
    list->close();
}

void TestLists::cellsShowTheirFormats()
{
    fillStore();
    SortableListForm *goods = showList(QStringLiteral("goods"));
    QVERIFY(goods);
    ui::DataGrid *grid = gridOf(goods);
    QAbstractItemModel *model = grid->model();
    // Row 4 is "Кофе", 310.25, untaxed; row 1 "Сахар", taxed.
    QCOMPARE(model->index(3, grid->modelColumn(2)).data().toString(),
             fmt::currency(Money::fromRaw(3102500), QLocale()));
    QVERIFY(model->index(3, grid->modelColumn(2)).data().toString().contains(QStringLiteral("310,25")));
    QVERIFY(grid->columns().at(3).checkBox);
    QCOMPARE(model->index(0, grid->modelColumn(3)).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QCOMPARE(model->index(3, grid->modelColumn(3)).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    goods->close();

    SortableListForm *distributors = showList(QStringLiteral("distributors"));
    QVERIFY(distributors);
    grid = gridOf(distributors);
    model = grid->model();
    QCOMPARE(model->index(0, grid->modelColumn(4)).data().toString(), QStringLiteral("15.01.1970"));
    QCOMPARE(model->index(1, grid->modelColumn(3)).data().toString(), QStringLiteral("<Нет телефона>"));
    // A cut address shows whole in the tool tip, one line under another.
    grid->setColumnWidth(grid->modelColumn(2), 40);
    QCOMPARE(grid->cellToolTip(model->index(0, grid->modelColumn(2))),
             QStringLiteral("Москва") + QChar(QChar::LineSeparator) + QStringLiteral("ул. Тверская, 1"));
    distributors->close();
}

void TestLists::titleClicksSortInTheStore_data()
{
    QTest::addColumn<QString>("which");
    // Title clicks by grid column; "^" in front holds Ctrl.
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<QString>("orderLine");

    // Goods by code: 1 Сахар 55, 2 Мука 40.5, 3 Чай 120, 4 Кофе 310.25.
    QTest::newRow("code right after showing") << "goods" << QStringList{"0"} << QList<int>{4, 3, 2, 1}
                                              << "^---" << "order by ID_GOOD desc";
    QTest::newRow("code twice") << "goods" << QStringList{"0", "0"} << QList<int>{1, 2, 3, 4} << "v---"
                                << "order by ID_GOOD";
    QTest::newRow("name") << "goods" << QStringList{"1"} << QList<int>{4, 2, 1, 3} << "-v--"
                          << "order by GOOD_NAME";
    QTest::newRow("name twice") << "goods" << QStringList{"1", "1"} << QList<int>{3, 1, 2, 4} << "-^--"
                                << "order by GOOD_NAME desc";
    QTest::newRow("name three times") << "goods" << QStringList{"1", "1", "1"} << QList<int>{4, 2, 1, 3}
                                      << "-v--" << "order by GOOD_NAME";
    QTest::newRow("ctrl on a column marked up") << "goods" << QStringList{"1", "1", "^1"}
                                                << QList<int>{4, 2, 1, 3} << "----" << "order by GOOD_NAME";
    QTest::newRow("plain click after the ctrl click") << "goods" << QStringList{"1", "1", "^1", "1"}
                                                      << QList<int>{4, 2, 1, 3} << "-v--"
                                                      << "order by GOOD_NAME";
    QTest::newRow("ctrl on a column marked down") << "goods" << QStringList{"1", "^1"}
                                                  << QList<int>{3, 1, 2, 4} << "-^--"
                                                  << "order by GOOD_NAME desc";
    QTest::newRow("price after name") << "goods" << QStringList{"1", "2"} << QList<int>{2, 1, 3, 4} << "--v-"
                                      << "order by PRICE";

    // Distributors by code: 1 Петров 1970, 2 Алексеев 1985, 3 Яковлев 1960.
    QTest::newRow("fio") << "distributors" << QStringList{"1"} << QList<int>{2, 1, 3} << "-v---"
                         << "order by FIO";
    QTest::newRow("birthday twice") << "distributors" << QStringList{"4", "4"} << QList<int>{2, 1, 3}
                                    << "----^" << "order by BIRTHDAY desc";
    QTest::newRow("code right after showing, distributors") << "distributors" << QStringList{"0"}
                                                            << QList<int>{3, 2, 1} << "^----"
                                                            << "order by ID_DISTRIBUTOR desc";
}

void TestLists::titleClicksSortInTheStore()
{
    QFETCH(QString, which);
    QFETCH(QStringList, clicks);
    QFETCH(QList<int>, codes);
    QFETCH(QString, marks);
    QFETCH(QString, orderLine);
    fillStore();
    SortableListForm *list = showList(which);
    QVERIFY(list);
    DataSet *data = queryOf(list);
    ui::DataGrid *grid = gridOf(list);
    const QString code = which == QLatin1String("goods") ? QStringLiteral("ID_GOOD")
                                                         : QStringLiteral("ID_DISTRIBUTOR");
    // A row added behind the window's back shows that every click reads afresh.
    if (which == QLatin1String("goods"))
        m_world->store.addGood(QStringLiteral("Ячмень"), 1.0, false);
    else
        m_world->store.addDistributor(QStringLiteral("Борисов Борис"));
    const int added = codes.size() + 1;

    for (const QString &click : clicks) {
        const bool ctrl = click.startsWith(QLatin1Char('^'));
        clickTitle(grid, click.mid(ctrl ? 1 : 0).toInt(), ctrl ? Qt::ControlModifier : Qt::NoModifier);
    }

    QCOMPARE(test::markers(grid), marks);
    QCOMPARE(data->sql().size(), 2);
    QCOMPARE(data->sql().at(1), orderLine);
    QVariantList expected;
    QVariantList got = test::columnValues(data, code);
    QVERIFY(got.removeOne(added));
    for (int c : codes)
        expected << c;
    QCOMPARE(got, expected);
    QCOMPARE(data->row(), 0);
    QCOMPARE(grid->currentIndex().row(), 0);
    list->close();
}

void TestLists::everyShowingStartsInCodeOrder_data()
{
    QTest::addColumn<QString>("which");
    QTest::newRow("goods") << "goods";
    QTest::newRow("distributors") << "distributors";
}

void TestLists::everyShowingStartsInCodeOrder()
{
    QFETCH(QString, which);
    fillStore();
    SortableListForm *list = showList(which);
    QVERIFY(list);
    DataSet *data = queryOf(list);
    ui::DataGrid *grid = gridOf(list);
    clickTitle(grid, 1);
    clickTitle(grid, 1);
    QVERIFY(test::markers(grid).startsWith(QStringLiteral("-^")));

    list->findChild<ui::FlatButton *>(QStringLiteral("SpeedButton4"))->click();
    QVERIFY(!list->isVisible());
    QVERIFY(!data->isActive());

    QVERIFY(showList(which));
    const QString code = which == QLatin1String("goods") ? QStringLiteral("ID_GOOD")
                                                         : QStringLiteral("ID_DISTRIBUTOR");
    QCOMPARE(data->sql(), (QStringList{which == QLatin1String("goods") ? "SELECT * FROM Good"
                                                                        : "SELECT * FROM DISTRIBUTOR",
                                       which == QLatin1String("goods") ? "ORDER BY ID_GOOD"
                                                                        : "ORDER BY ID_DISTRIBUTOR"}));
    QVariantList sorted = test::columnValues(data, code);
    std::sort(sorted.begin(), sorted.end(), [](const QVariant &a, const QVariant &b) { return a.toInt() < b.toInt(); });
    QCOMPARE(test::columnValues(data, code), sorted);
    QCOMPARE(test::markers(grid), QStringLiteral("v") + QString(grid->gridColumnCount() - 1, QLatin1Char('-')));
    // Closing by the close box closes the query as well.
    list->close();
    QVERIFY(!data->isActive());
}

void TestLists::emptyTable_data()
{
    QTest::addColumn<QString>("which");
    QTest::newRow("goods") << "goods";
    QTest::newRow("distributors") << "distributors";
}

void TestLists::emptyTable()
{
    QFETCH(QString, which);
    SortableListForm *list = showList(which);
    QVERIFY(list);
    DataSet *data = queryOf(list);
    ui::DataGrid *grid = gridOf(list);
    QVERIFY(data->isActive());
    QCOMPARE(data->rowCount(), 0);
    const auto button = [list](const char *name) {
        return list->findChild<ui::FlatButton *>(QString::fromLatin1(name));
    };
    QVERIFY(!button("sbChange")->isEnabled());
    QVERIFY(!button("sbDelete")->isEnabled());
    QVERIFY(button("sbAdd")->isEnabled());
    QVERIFY(button("SpeedButton4")->isEnabled());

    {
        // A double click brings up nothing.
        const test::ModalRun none = test::runWithModals(list, {}, [&] {
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
            QTest::qWait(100);
        });
        QCOMPARE(none.unexpected, QStringList());
    }

    // Title clicks still read the table and move the markers.
    if (which == QLatin1String("goods"))
        m_world->store.addGood(QStringLiteral("Соль"), 12.0, true);
    else
        m_world->store.addDistributor(QStringLiteral("Смирнов Сергей"));
    clickTitle(grid, 1);
    QCOMPARE(data->rowCount(), 1);
    QVERIFY(test::markers(grid).startsWith(QStringLiteral("-v")));
    // The buttons follow the row count only on showing and after a change of data.
    QVERIFY(!button("sbChange")->isEnabled());

    button("SpeedButton4")->click();
    QVERIFY(!list->isVisible());
}

void TestLists::doubleClickActsAsChange_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("goods") << "goods" << "fmGoodEdit";
    QTest::newRow("distributors") << "distributors" << "fmDistributorEdit";
}

void TestLists::doubleClickActsAsChange()
{
    QFETCH(QString, which);
    QFETCH(QString, dialog);
    fillStore();
    SortableListForm *list = showList(which);
    QVERIFY(list);
    ui::DataGrid *grid = gridOf(list);
    DataSet *data = queryOf(list);

    QString shownCode;
    bool codeRowShown = false;
    const QRect second = grid->visualRect(grid->model()->index(1, grid->modelColumn(1)));
    const test::ModalRun script = test::runWithModals(
        list,
        {{dialog,
          [&](QWidget *w) {
              auto *code = w->findChild<QLabel *>(QStringLiteral("paCode"));
              shownCode = code->text();
              codeRowShown = code->isVisible();
              test::closeModal(w);
          }}},
        [&] {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
        });
    QVERIFY(script.finished);
    QCOMPARE(script.unexpected, QStringList());
    QVERIFY(codeRowShown);
    QCOMPARE(shownCode, QStringLiteral("2"));
    QCOMPARE(data->row(), 1);
    list->close();
}

void TestLists::unreadableTableStillShowsTheWindow()
{
    // No store in the working folder: the error box, then the window, empty.
    QTemporaryDir empty;
    QDir::setCurrent(empty.path());
    QString error;
    const test::ModalRun script = test::runWithModals(m_world->goods.get(),
                                                      {{"showError",
                                                        [&](QWidget *w) {
                                                            error = test::boxText(w);
                                                            test::clickBox(w, QMessageBox::Ok);
                                                        }}},
                                                      [&] { m_world->goods->show(); });
    QVERIFY(script.finished);
    QCOMPARE(script.unexpected, QStringList());
    QVERIFY(!error.isEmpty());
    QVERIFY(m_world->goods->isVisible());
    DataSet *data = queryOf(m_world->goods.get());
    QVERIFY(!data->isActive());
    QCOMPARE(gridOf(m_world->goods.get())->model()->rowCount(), 0);
    m_world->goods->close();
    QVERIFY(!m_world->goods->isVisible());
    QVERIFY(!QFile::exists(empty.filePath(QStringLiteral("Tarvo.mdb"))));
}

QTEST_MAIN(TestLists)
#include "tst_directories_lists.moc"
