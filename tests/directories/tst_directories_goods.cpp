// The goods list and the good dialog: the dialog's check box and OK rules,
// Enter, add, change and delete through the procedures, the cursor after a
// change, a delete the store refuses, and a refused save that brings the
// dialog back with what was typed.

#include "DirectoriesTest.h"

#include "data/DataSet.h"
#include "ui/CurrencyEdit.h"
#include "ui/TriStateCheckBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <memory>

using namespace tarvo;
using tarvo::test::child;
using tarvo::test::clickButton;
using tarvo::test::typeKeys;

namespace {

// What the dialog showed and how "&OK" stood, noted inside a modal step.
struct Seen
{
    QString code;
    bool codeShown = false;
    QString name;
    QString priceText;
    Money price;
    Qt::CheckState box = Qt::Unchecked;
    bool okEnabled = false;
};

Seen look(QWidget *dialog)
{
    Seen s;
    s.code = child<QLabel>(dialog, "paCode")->text();
    s.codeShown = child<QLabel>(dialog, "paCode")->isVisible() && child<QLabel>(dialog, "lbCode")->isVisible();
    s.name = child<QLineEdit>(dialog, "edName")->text();
    s.priceText = child<ui::CurrencyEdit>(dialog, "cePrice")->editText();
    s.price = child<ui::CurrencyEdit>(dialog, "cePrice")->value();
    s.box = child<ui::TriStateCheckBox>(dialog, "cbNsP")->checkState();
    s.okEnabled = child<ui::FlatButton>(dialog, "rsbOk")->isEnabled();
    return s;
}

void clickBox(QWidget *dialog, int times)
{
    auto *box = child<ui::TriStateCheckBox>(dialog, "cbNsP");
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
}

void typeName(QWidget *dialog, const QString &text)
{
    auto *name = child<QLineEdit>(dialog, "edName");
    name->setFocus(Qt::OtherFocusReason);
    name->selectAll();
    typeKeys(name, text);
}

void typePrice(QWidget *dialog, const QString &text)
{
    auto *price = child<ui::CurrencyEdit>(dialog, "cePrice");
    price->setFocus(Qt::OtherFocusReason);
    price->selectAll();
    typeKeys(price, text);
}

// Fills the dialog the way a user does: the name, the box clicked (from
// undecided 1: checked, 2: unchecked), then the price, which keeps the focus.
void fill(QWidget *dialog, const QString &name, const QString &price, int boxClicks)
{
    typeName(dialog, name);
    clickBox(dialog, boxClicks);
    typePrice(dialog, price);
}

} // namespace

class TestGoods : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void newGoodStartsUndecided_data();
    void newGoodStartsUndecided();
    void okRules_data();
    void okRules();
    void addStoresTheGood_data();
    void addStoresTheGood();
    void typedZeroIsStoredAndComesBackEmpty();
    void changeStoresTheGood();
    void cursorAfterChange_data();
    void cursorAfterChange();
    void changeCancelledWritesNothing();
    void enterConfirmsOnlyWhileOkIsEnabled_data();
    void enterConfirmsOnlyWhileOkIsEnabled();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void deleteOfAGoodInUse();
    void deleteFailingForAnotherReason();
    void refusedSaveBringsTheDialogBack_data();
    void refusedSaveBringsTheDialogBack();
    void nameStopsAtItsColumnSize();

private:
    // Goods 1 Сахар 55 taxed, 2 Мука 40.5, 3 Чай 120 taxed, 4 Кофе 310.25; shown.
    bool showFilled();
    DataSet *aqGoods() const { return child<DataSet>(m_world->goods.get(), "aqGoods"); }
    ui::DataGrid *ehgGoods() const { return child<ui::DataGrid>(m_world->goods.get(), "ehgGoods"); }
    QWidget *list() const { return m_world->goods.get(); }
    int goodCount() const { return m_world->store.scalar(QStringLiteral("SELECT count(*) FROM GOOD")).toInt(); }

    // Runs a list command whose only modal window is the good dialog.
    test::ModalRun withDialog(const char *button, const std::function<void(QWidget *)> &answer)
    {
        return test::runWithModals(list(), {{"fmGoodEdit", answer}}, [&] { clickButton(list(), button); });
    }

    std::unique_ptr<test::Workspace> m_world;
};

void TestGoods::init()
{
    m_world = std::make_unique<test::Workspace>();
    QVERIFY2(m_world->store.error().isEmpty(), qPrintable(m_world->store.error()));
}

void TestGoods::cleanup()
{
    m_world.reset();
}

bool TestGoods::showFilled()
{
    m_world->store.addGood(QStringLiteral("Сахар"), 55.0, true);
    m_world->store.addGood(QStringLiteral("Мука"), 40.5, false);
    m_world->store.addGood(QStringLiteral("Чай"), 120.0, true);
    m_world->store.addGood(QStringLiteral("Кофе"), 310.25, false);
    list()->show();
    return QTest::qWaitForWindowExposed(list());
}

void TestGoods::newGoodStartsUndecided_data()
{
    QTest::addColumn<bool>("keyboard");
    QTest::newRow("mouse") << false;
    QTest::newRow("keyboard") << true;
}

void TestGoods::newGoodStartsUndecided()
{
    QFETCH(bool, keyboard);
    QVERIFY(showFilled());
    // Leave the dialog filled as for a change: adding must empty it again.
    m_world->goodEdit->prepareChange(9, {QStringLiteral("Старое"), Money::fromUnits(7), true});

    Seen first;
    QList<std::pair<Qt::CheckState, bool>> cycle;
    const test::ModalRun script = withDialog("sbAdd", [&](QWidget *w) {
        first = look(w);
        typeName(w, QStringLiteral("Соль"));
        typePrice(w, QStringLiteral("12"));
        auto *box = child<ui::TriStateCheckBox>(w, "cbNsP");
        for (int i = 0; i < 4; ++i) {
            if (keyboard) {
                box->setFocus(Qt::OtherFocusReason);
                QTest::keyClick(box, Qt::Key_Space);
            } else {
                clickBox(w, 1);
            }
            cycle << std::pair(box->checkState(), look(w).okEnabled);
        }
        clickButton(w, "RxSpeedButton2");
    });
    QVERIFY(script.finished);
    QCOMPARE(script.unexpected, QStringList());

    QVERIFY(!first.codeShown);
    QCOMPARE(first.box, Qt::PartiallyChecked);
    QCOMPARE(first.priceText, QString());
    QCOMPARE(first.name, QString());
    QVERIFY(!first.okEnabled);
    const QList<std::pair<Qt::CheckState, bool>> expected{
        {Qt::Checked, true}, {Qt::Unchecked, true}, {Qt::PartiallyChecked, false}, {Qt::Checked, true}};
    QCOMPARE(cycle, expected);
    QCOMPARE(goodCount(), 4);
}

void TestGoods::okRules_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("price");
    QTest::addColumn<int>("boxClicks");
    QTest::addColumn<bool>("ok");
    QTest::newRow("everything given") << "Соль" << "12,5" << 1 << true;
    QTest::newRow("unchecked is decided") << "Соль" << "12" << 2 << true;
    QTest::newRow("no name") << "" << "12" << 1 << false;
    QTest::newRow("no price") << "Соль" << "" << 1 << false;
    QTest::newRow("price typed and erased") << "Соль" << "5\b" << 1 << false;
    QTest::newRow("a typed zero") << "Соль" << "0" << 2 << true;
    QTest::newRow("undecided") << "Соль" << "12" << 0 << false;
    QTest::newRow("back to undecided") << "Соль" << "12" << 3 << false;
}

void TestGoods::okRules()
{
    QFETCH(QString, name);
    QFETCH(QString, price);
    QFETCH(int, boxClicks);
    QFETCH(bool, ok);
    QVERIFY(showFilled());
    bool enabled = !ok;
    const test::ModalRun script = withDialog("sbAdd", [&](QWidget *w) {
        fill(w, name, price, boxClicks);
        enabled = look(w).okEnabled;
        clickButton(w, "RxSpeedButton2");
    });
    QVERIFY(script.finished);
    QCOMPARE(enabled, ok);
}

void TestGoods::addStoresTheGood_data()
{
    QTest::addColumn<QString>("price");
    QTest::addColumn<int>("boxClicks");
    QTest::addColumn<qint64>("stored");
    QTest::addColumn<int>("nsp");
    QTest::newRow("point") << "12.5" << 1 << qint64(125000) << 1;
    QTest::newRow("comma") << "12,5" << 2 << qint64(125000) << 0;
    QTest::newRow("a third decimal is refused") << "12,345" << 1 << qint64(123400) << 1;
    QTest::newRow("letters are refused") << "1a0" << 1 << qint64(100000) << 1;
}

void TestGoods::addStoresTheGood()
{
    QFETCH(QString, price);
    QFETCH(int, boxClicks);
    QFETCH(qint64, stored);
    QFETCH(int, nsp);
    QVERIFY(showFilled());
    // Sorted by name: the new good belongs last, the cursor goes to the first row.
    test::clickTitle(ehgGoods(), 1);
    aqGoods()->setRow(2);

    const test::ModalRun script = withDialog("sbAdd", [&](QWidget *w) {
        fill(w, QStringLiteral("Ячмень"), price, boxClicks);
        clickButton(w, "rsbOk");
    });
    QVERIFY(script.finished);
    QCOMPARE(script.unexpected, QStringList());

    const auto row = m_world->store.query(QStringLiteral("SELECT PRICE, NsP FROM GOOD WHERE GOOD_NAME = 'Ячмень'"));
    QCOMPARE(row.rows, (QList<QVariantList>{{stored, nsp}}));
    QCOMPARE(aqGoods()->sql().at(1), QStringLiteral("order by GOOD_NAME"));
    QCOMPARE(aqGoods()->rowCount(), 5);
    QCOMPARE(aqGoods()->row(), 0);
    QCOMPARE(aqGoods()->asString(QStringLiteral("GOOD_NAME")), QStringLiteral("Кофе"));
    QCOMPARE(test::columnValues(aqGoods(), QStringLiteral("GOOD_NAME")).last().toString(), QStringLiteral("Ячмень"));
}

void TestGoods::typedZeroIsStoredAndComesBackEmpty()
{
    QVERIFY(showFilled());
    const test::ModalRun adding = withDialog("sbAdd", [&](QWidget *w) {
        fill(w, QStringLiteral("Вода"), QStringLiteral("0"), 2);
        clickButton(w, "rsbOk");
    });
    QVERIFY(adding.finished);
    QCOMPARE(m_world->store.query(QStringLiteral("SELECT PRICE, NsP FROM GOOD WHERE GOOD_NAME = 'Вода'")).rows,
             (QList<QVariantList>{{0, 0}}));

    // Change on it: the zero shows as an empty field and keeps OK disabled.
    QVERIFY(aqGoods()->locate(QStringLiteral("GOOD_NAME"), QStringLiteral("Вода")));
    Seen opened;
    bool okAfterTyping = false;
    const test::ModalRun changing = withDialog("sbChange", [&](QWidget *w) {
        opened = look(w);
        typePrice(w, QStringLiteral("3"));
        okAfterTyping = look(w).okEnabled;
        clickButton(w, "RxSpeedButton2");
    });
    QVERIFY(changing.finished);
    QCOMPARE(opened.priceText, QString());
    QCOMPARE(opened.box, Qt::Unchecked);
    QVERIFY(!opened.okEnabled);
    QVERIFY(okAfterTyping);
}

void TestGoods::changeStoresTheGood()
{
    QVERIFY(showFilled());
    aqGoods()->setRow(1);   // 2 Мука 40.5, untaxed
    Seen opened;
    Seen openedTaxed;
    const test::ModalRun script = withDialog("sbChange", [&](QWidget *w) {
        opened = look(w);
        fill(w, QStringLiteral("Мука ржаная"), QStringLiteral("41,75"), 2);
        clickButton(w, "rsbOk");
    });
    QVERIFY(script.finished);
    QCOMPARE(script.unexpected, QStringList());
    QVERIFY(opened.codeShown);
    QCOMPARE(opened.code, QStringLiteral("2"));
    QCOMPARE(opened.name, QStringLiteral("Мука"));
    QCOMPARE(opened.price, Money::fromRaw(405000));
    QCOMPARE(opened.box, Qt::Unchecked);
    QVERIFY(opened.okEnabled);
    // Two clicks from unchecked: undecided, then checked.
    QCOMPARE(m_world->store.query(QStringLiteral("SELECT GOOD_NAME, PRICE, NsP FROM GOOD WHERE ID_GOOD = 2")).rows,
             (QList<QVariantList>{{QStringLiteral("Мука ржаная"), 417500, 1}}));
    QCOMPARE(aqGoods()->asString(QStringLiteral("GOOD_NAME")), QStringLiteral("Мука ржаная"));

    // A taxed good opens checked, never undecided.
    aqGoods()->setRow(2);
    const test::ModalRun again = withDialog("sbChange", [&](QWidget *w) {
        openedTaxed = look(w);
        clickButton(w, "RxSpeedButton2");
    });
    QVERIFY(again.finished);
    QCOMPARE(openedTaxed.box, Qt::Checked);
    QCOMPARE(openedTaxed.code, QStringLiteral("3"));
}

void TestGoods::cursorAfterChange_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("removedMeanwhile");
    QTest::addColumn<int>("expectedRow");
    QTest::addColumn<int>("expectedCode");
    // Sorted by name: 4 Кофе, 2 Мука, 1 Сахар, 3 Чай.
    QTest::newRow("keeps its place") << 1 << "Мука" << 0 << 1 << 2;
    QTest::newRow("moves down") << 1 << "Ячмень" << 0 << 1 << 1;
    QTest::newRow("moves up") << 3 << "Абрикос" << 0 << 3 << 1;
    QTest::newRow("the list became shorter") << 3 << "Чай" << 2 << 0 << 4;
}

void TestGoods::cursorAfterChange()
{
    QFETCH(int, row);
    QFETCH(QString, name);
    QFETCH(int, removedMeanwhile);
    QFETCH(int, expectedRow);
    QFETCH(int, expectedCode);
    QVERIFY(showFilled());
    test::clickTitle(ehgGoods(), 1);
    aqGoods()->setRow(row);
    const test::ModalRun script = withDialog("sbChange", [&](QWidget *w) {
        typeName(w, name);
        // Goods 1 and 2 go while the dialog is open.
        for (int id = 1; id <= removedMeanwhile; ++id)
            m_world->store.call(QStringLiteral("Good_Delete"), {id});
        clickButton(w, "rsbOk");
    });
    QVERIFY(script.finished);
    QCOMPARE(script.unexpected, QStringList());
    QCOMPARE(aqGoods()->sql().at(1), QStringLiteral("order by GOOD_NAME"));
    QCOMPARE(aqGoods()->row(), expectedRow);
    QCOMPARE(aqGoods()->asInteger(QStringLiteral("ID_GOOD")), expectedCode);
    QCOMPARE(ehgGoods()->currentIndex().row(), expectedRow);
}

void TestGoods::changeCancelledWritesNothing()
{
    QVERIFY(showFilled());
    aqGoods()->setRow(2);
    const QString before = m_world->store.snapshot();
    m_world->store.addGood(QStringLiteral("Перец"), 9.0, true);
    const QString withPepper = m_world->store.snapshot();
    QVERIFY(before != withPepper);
    const test::ModalRun script = withDialog("sbChange", [&](QWidget *w) {
        fill(w, QStringLiteral("Другое"), QStringLiteral("1"), 1);
        clickButton(w, "RxSpeedButton2");
    });
    QVERIFY(script.finished);
    QCOMPARE(m_world->store.snapshot(), withPepper);
    // Not re-read: the good added meanwhile is not shown, the cursor stays.
    QCOMPARE(aqGoods()->rowCount(), 4);
    QCOMPARE(aqGoods()->row(), 2);
}

void TestGoods::enterConfirmsOnlyWhileOkIsEnabled_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("withName");
    QTest::newRow("name, OK enabled") << "edName" << true;
    QTest::newRow("price, OK enabled") << "cePrice" << true;
    QTest::newRow("box, OK enabled") << "cbNsP" << true;
    QTest::newRow("name, OK disabled") << "edName" << false;
    QTest::newRow("price, OK disabled") << "cePrice" << false;
}

void TestGoods::enterConfirmsOnlyWhileOkIsEnabled()
{
    QFETCH(QString, field);
    QFETCH(bool, withName);
    QVERIFY(showFilled());
    bool openAfterEnter = false;
    const test::ModalRun script = withDialog("sbAdd", [&](QWidget *w) {
        fill(w, withName ? QStringLiteral("Соль") : QString(), QStringLiteral("7"), 1);
        auto *target = w->findChild<QWidget *>(field);
        target->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(target, Qt::Key_Return);
        openAfterEnter = w->isVisible();
        if (openAfterEnter)
            clickButton(w, "RxSpeedButton2");
    });
    QVERIFY(script.finished);
    QCOMPARE(openAfterEnter, !withName);
    QCOMPARE(goodCount(), withName ? 5 : 4);
}

void TestGoods::deleteAsksFirst_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestGoods::deleteAsksFirst()
{
    QFETCH(bool, yes);
    QVERIFY(showFilled());
    aqGoods()->setRow(2);
    QString question;
    const test::ModalRun script =
        test::runWithModals(list(),
                            {{"askYesNo",
                              [&](QWidget *w) {
                                  question = test::boxText(w);
                                  test::clickBox(w, yes ? QMessageBox::Yes : QMessageBox::No);
                              }}},
                            [&] { clickButton(list(), "sbDelete"); });
    QVERIFY(script.finished);
    QCOMPARE(script.unexpected, QStringList());
    QCOMPARE(question, QStringLiteral("Вы действительно хотите удалить информацию об этом товаре? "));
    QCOMPARE(m_world->store.scalar(QStringLiteral("SELECT count(*) FROM GOOD WHERE ID_GOOD = 3")).toInt(), yes ? 0 : 1);
    QCOMPARE(aqGoods()->rowCount(), yes ? 3 : 4);
    QCOMPARE(aqGoods()->row(), yes ? 0 : 2);
}

void TestGoods::deleteOfAGoodInUse()
{
    QVERIFY(showFilled());
    const int distributor = m_world->store.addDistributor(QStringLiteral("Петров Пётр"));
    const int order = m_world->store.addOrder(QDate::currentDate(), distributor);
    m_world->store.addLine(order, 2, 5);
    aqGoods()->setRow(1);   // good 2
    m_world->store.addGood(QStringLiteral("Перец"), 9.0, true);

    QString message;
    const test::ModalRun script =
        test::runWithModals(list(),
                            {{"askYesNo", [](QWidget *w) { test::clickBox(w, QMessageBox::Yes); }},
                             {"showMessage",
                              [&](QWidget *w) {
                                  message = test::boxText(w);
                                  test::clickBox(w, QMessageBox::Ok);
                              }}},
                            [&] { clickButton(list(), "sbDelete"); });
    QVERIFY(script.finished);
    QCOMPARE(script.unexpected, QStringList());
    QCOMPARE(message, QStringLiteral("Нельзя удалить  запись т.к. есть подчиненные"));
    // Re-read all the same: the good added meanwhile shows, the good stays.
    QCOMPARE(aqGoods()->rowCount(), 5);
    QVERIFY(test::columnValues(aqGoods(), QStringLiteral("ID_GOOD")).contains(2));
    QCOMPARE(aqGoods()->row(), 0);
}

void TestGoods::deleteFailingForAnotherReason()
{
    QVERIFY(showFilled());
    aqGoods()->setRow(2);   // good 3, gone from the store behind the window's back
    QCOMPARE(m_world->store.call(QStringLiteral("Good_Delete"), {3}), QString());

    QString error;
    const test::ModalRun script =
        test::runWithModals(list(),
                            {{"askYesNo", [](QWidget *w) { test::clickBox(w, QMessageBox::Yes); }},
                             {"showError",
                              [&](QWidget *w) {
                                  error = test::boxText(w);
                                  test::clickBox(w, QMessageBox::Ok);
                              }}},
                            [&] { clickButton(list(), "sbDelete"); });
    QVERIFY(script.finished);
    QCOMPARE(script.unexpected, QStringList());
    QCOMPARE(error, QStringLiteral("Товар с таким кодом не найден"));
    QCOMPARE(aqGoods()->rowCount(), 3);
}

void TestGoods::refusedSaveBringsTheDialogBack_data()
{
    QTest::addColumn<bool>("change");
    QTest::addColumn<bool>("correct");
    QTest::newRow("add, then cancel") << false << false;
    QTest::newRow("add, then corrected") << false << true;
    QTest::newRow("change, then cancel") << true << false;
    QTest::newRow("change, then corrected") << true << true;
}

void TestGoods::refusedSaveBringsTheDialogBack()
{
    QFETCH(bool, change);
    QFETCH(bool, correct);
    QVERIFY(showFilled());
    aqGoods()->setRow(1);   // good 2, for the change
    const QString before = m_world->store.snapshot();

    QString error;
    Seen again;
    // The store takes no negative price.
    const test::ModalRun script =
        test::runWithModals(list(),
                            {{"fmGoodEdit",
                              [&](QWidget *w) {
                                  fill(w, QStringLiteral("Ячмень"), QStringLiteral("-5"), change ? 2 : 1);
                                  clickButton(w, "rsbOk");
                              }},
                             {"showError",
                              [&](QWidget *w) {
                                  error = test::boxText(w);
                                  test::clickBox(w, QMessageBox::Ok);
                              }},
                             {"fmGoodEdit",
                              [&](QWidget *w) {
                                  again = look(w);
                                  if (correct) {
                                      typePrice(w, QStringLiteral("5"));
                                      clickButton(w, "rsbOk");
                                  } else {
                                      clickButton(w, "RxSpeedButton2");
                                  }
                              }}},
                            [&] { clickButton(list(), change ? "sbChange" : "sbAdd"); });
    QVERIFY(script.finished);
    QCOMPARE(script.unexpected, QStringList());
    QCOMPARE(error, QStringLiteral("Цена товара не может быть отрицательной"));
    QCOMPARE(again.name, QStringLiteral("Ячмень"));
    QCOMPARE(again.price, -Money::fromUnits(5));
    QCOMPARE(again.box, Qt::Checked);
    QVERIFY(again.okEnabled);
    QCOMPARE(again.codeShown, change);
    if (!correct) {
        QCOMPARE(m_world->store.snapshot(), before);
        return;
    }
    const auto rows = m_world->store.query(QStringLiteral("SELECT ID_GOOD, PRICE, NsP FROM GOOD WHERE GOOD_NAME = 'Ячмень'")).rows;
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.at(0).at(0).toInt(), change ? 2 : 5);
    QCOMPARE(rows.at(0).at(1).toLongLong(), 50000);
    QCOMPARE(rows.at(0).at(2).toInt(), 1);
    QCOMPARE(goodCount(), change ? 4 : 5);
}

void TestGoods::nameStopsAtItsColumnSize()
{
    QVERIFY(showFilled());
    const QString typed = QString(60, QChar(0x0416));   // Ж
    QString held;
    const test::ModalRun script = withDialog("sbAdd", [&](QWidget *w) {
        fill(w, typed, QStringLiteral("1"), 1);
        held = look(w).name;
        clickButton(w, "rsbOk");
    });
    QVERIFY(script.finished);
    QCOMPARE(script.unexpected, QStringList());
    QCOMPARE(held, typed.left(50));
    QCOMPARE(m_world->store.scalar(QStringLiteral("SELECT GOOD_NAME FROM GOOD WHERE ID_GOOD = 5")).toString(),
             typed.left(50));
}

QTEST_MAIN(TestGoods)
#include "tst_directories_goods.moc"
