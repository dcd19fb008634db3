// The distributors list and the distributor dialog: the phone filter, Enter,
// the OK rule, the address lines with their CR LF, the missing phone, the
// birthday check, the column sizes, delete and a refused save that brings
// the dialog back with what was typed.

#include "DirectoriesTest.h"

#include "data/DataSet.h"
#include "data/StoredProc.h"
#include "directories/AddressBox.h"
#include "ui/DateEdit.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <memory>

using namespace tarvo;
using tarvo::test::child;
using tarvo::test::clickButton;
using tarvo::test::typeKeys;

namespace {

struct Seen
{
    QString code;
    bool codeShown = false;
    QString fio;
    QStringList address;
    QString addressText;
    QString phone;
    QString birthday;
    bool okEnabled = false;
};

Seen look(QWidget *dialog)
{
    Seen s;
    s.code = child<QLabel>(dialog, "paCode")->text();
    s.codeShown = child<QLabel>(dialog, "paCode")->isVisible() && child<QLabel>(dialog, "lbCode")->isVisible();
    s.fio = child<QLineEdit>(dialog, "edFIO")->text();
    s.address = child<AddressBox>(dialog, "mmAddress")->lines();
    s.addressText = child<AddressBox>(dialog, "mmAddress")->toPlainText();
    s.phone = child<QLineEdit>(dialog, "edPhone")->text();
    s.birthday = child<ui::DateEdit>(dialog, "deBirthday")->text();
    s.okEnabled = child<ui::FlatButton>(dialog, "rsbOk")->isEnabled();
    return s;
}

// Types into a field of the dialog after giving it the focus.
void typeInto(QWidget *dialog, const char *field, const QString &text)
{
    auto *w = dialog->findChild<QWidget *>(QString::fromLatin1(field));
    w->setFocus(Qt::OtherFocusReason);
    typeKeys(w, text);
}

// Fills the dialog in its tab order; "\r" in the address is Enter, which
// starts a new line while OK is still disabled (no birthday yet).
void fill(QWidget *dialog, const QString &fio, const QString &address, const QString &birthday,
          const QString &phone)
{
    typeInto(dialog, "edFIO", fio);
    typeInto(dialog, "mmAddress", address);
    typeInto(dialog, "deBirthday", birthday);
    typeInto(dialog, "edPhone", phone);
}

} // namespace

class TestDistributors : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void addressLines_data();
    void addressLines();
    void phoneFilter_data();
    void phoneFilter();
    void phoneFilterActsOnlyOnTypingIntoThePhone();
    void okRule_data();
    void okRule();
    void enterConfirmsOnlyWhileOkIsEnabled_data();
    void enterConfirmsOnlyWhileOkIsEnabled();
    void addressRoundTrip();
    void missingPhone();
    void changeShowsTheRowAndKeepsTheCursor();
    void changeCancelledWritesNothing();
    void invalidBirthdayReportedOnLeaving();
    void editsStopAtTheirColumnSize();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void deleteRefusedKeepsTheRow();
    void refusedSaveBringsTheDialogBack_data();
    void refusedSaveBringsTheDialogBack();

private:
    // 1 Петров 1970, 2 Алексеев 1985 without a phone, 3 Яковлев 1960; shown.
    bool showFilled();
    DataSet *aqDistributors() const { return child<DataSet>(list(), "aqDistributors"); }
    QWidget *list() const { return m_world->distributors.get(); }
    QVariant stored(const QString &column, int id) const
    {
        return m_world->store.scalar(
            QStringLiteral("SELECT %1 FROM DISTRIBUTOR WHERE ID_DISTRIBUTOR = %2").arg(column).arg(id));
    }
    // Runs a list command whose only modal window is the distributor dialog.
    test::ModalRun withDialog(const char *button, const std::function<void(QWidget *)> &answer)
    {
        return test::runWithModals(list(), {{"fmDistributorEdit", answer}},
                                   [&] { clickButton(list(), button); });
    }

    std::unique_ptr<test::Workspace> m_world;
};

void TestDistributors::init()
{
    m_world = std::make_unique<test::Workspace>();
    QVERIFY2(m_world->store.error().isEmpty(), qPrintable(m_world->store.error()));
}

void TestDistributors::cleanup()
{
    m_world.reset();
}

bool TestDistributors::showFilled()
{
    m_world->store.addDistributor(QStringLiteral("Петров Пётр"), QStringLiteral("Москва\r\nул. Тверская, 1\r\n"),
                                  QStringLiteral("(495)111-11-11"), QDate(1970, 1, 15));
    m_world->store.addDistributor(QStringLiteral("Алексеев Иван"), QStringLiteral("Тула\r\n"),
                                  QStringLiteral("<Нет телефона>"), QDate(1985, 5, 5));
    m_world->store.addDistributor(QStringLiteral("Яковлев Олег"), QStringLiteral("Тверь\r\n"),
                                  QStringLiteral("(4822)22-22-22"), QDate(1960, 3, 3));
    list()->show();
    return QTest::qWaitForWindowExposed(list());
}

void TestDistributors::addressLines_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("storedAgain");
    QTest::newRow("two lines") << "ул. Ленина, 1\r\nкв. 5\r\n" << QStringList{"ул. Ленина, 1", "кв. 5"}
                               << "ул. Ленина, 1\r\nкв. 5\r\n";
    QTest::newRow("last line without its break") << "Тула\r\nЛенина" << QStringList{"Тула", "Ленина"}
                                                 << "Тула\r\nЛенина\r\n";
    QTest::newRow("an empty line inside") << "а\r\n\r\nб\r\n" << QStringList{"а", "", "б"} << "а\r\n\r\nб\r\n";
    QTest::newRow("bare line feeds") << "а\nб\n" << QStringList{"а", "б"} << "а\r\nб\r\n";
    QTest::newRow("one empty line") << "\r\n" << QStringList{""} << "\r\n";
    QTest::newRow("nothing") << "" << QStringList{} << "";
}

void TestDistributors::addressLines()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, lines);
    QFETCH(QString, storedAgain);
    QCOMPARE(AddressBox::split(stored), lines);
    QCOMPARE(AddressBox::join(lines), storedAgain);
    // The box shows the lines and gives the same lines back.
    AddressBox box;
    box.setLines(lines);
    QCOMPARE(box.lines(), lines.isEmpty() || lines == QStringList{""} ? QStringList{} : lines);
}

void TestDistributors::phoneFilter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("plus, blanks and letters") << "+7 (495) 123-45 67 доб" << "7(495)123-4567";
    QTest::newRow("backspace works") << "1234\b5" << "1235";
    QTest::newRow("latin letters and signs") << "8-800.abc/1*#" << "8-8001";
    QTest::newRow("enter among the dropped") << "12\r34" << "1234";
}

void TestDistributors::phoneFilter()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QVERIFY(showFilled());
    QString phone;
    bool stillOpen = false;
    const test::ModalRun run = withDialog("sbAdd", [&](QWidget *w) {
        // OK enabled: Enter in the phone field still confirms nothing.
        fill(w, QStringLiteral("Смирнов"), QStringLiteral("Тверь"), QStringLiteral("01.02.1990"), typed);
        phone = look(w).phone;
        stillOpen = w->isVisible();
        clickButton(w, "RxSpeedButton2");
    });
    QVERIFY(run.finished);
    QCOMPARE(run.unexpected, QStringList());
    QCOMPARE(phone, kept);
    QVERIFY(stillOpen);
}

void TestDistributors::phoneFilterActsOnlyOnTypingIntoThePhone()
{
    QVERIFY(showFilled());
    const QString typed = QStringLiteral("+7 (495) доб");
    Seen seen;
    QString focusAfterTab;
    QString afterPaste;
    const test::ModalRun run = withDialog("sbAdd", [&](QWidget *w) {
        // Other fields take every character.
        typeInto(w, "edFIO", typed);
        seen = look(w);
        // Tab leaves the phone field; Ctrl+V pastes unfiltered.
        auto *phone = child<QLineEdit>(w, "edPhone");
        phone->setFocus(Qt::OtherFocusReason);
        QApplication::clipboard()->setText(QStringLiteral("+7 495 доб. 12"));
        QTest::keyClick(phone, Qt::Key_V, Qt::ControlModifier);
        afterPaste = phone->text();
        QTest::keyClick(phone, Qt::Key_Tab);
        focusAfterTab = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
        clickButton(w, "RxSpeedButton2");
    });
    QVERIFY(run.finished);
    QCOMPARE(seen.fio, typed);
    QCOMPARE(afterPaste, QStringLiteral("+7 495 доб. 12"));
    QVERIFY(focusAfterTab != QLatin1String("edPhone"));
    QVERIFY(!focusAfterTab.isEmpty());

    // With the dialog hidden the hook lets everything through.
    auto *phone = child<QLineEdit>(m_world->distributorEdit.get(), "edPhone");
    phone->clear();
    typeKeys(phone, QStringLiteral("a+1"));
    QCOMPARE(phone->text(), QStringLiteral("a+1"));
}

void TestDistributors::okRule_data()
{
    QTest::addColumn<QString>("fio");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("birthday");
    QTest::addColumn<QString>("phone");
    QTest::addColumn<bool>("ok");
    QTest::newRow("everything") << "Смирнов" << "Тверь" << "01.02.1990" << "123" << true;
    QTest::newRow("no phone needed") << "Смирнов" << "Тверь" << "01.02.1990" << "" << true;
    QTest::newRow("no name") << "" << "Тверь" << "01.02.1990" << "123" << false;
    QTest::newRow("no address") << "Смирнов" << "" << "01.02.1990" << "123" << false;
    QTest::newRow("no birthday") << "Смирнов" << "Тверь" << "" << "123" << false;
    QTest::newRow("a day that does not exist") << "Смирнов" << "Тверь" << "31.02.1990" << "" << false;
    QTest::newRow("an incomplete date") << "Смирнов" << "Тверь" << "01.02" << "" << false;
}

void TestDistributors::okRule()
{
    QFETCH(QString, fio);
    QFETCH(QString, address);
    QFETCH(QString, birthday);
    QFETCH(QString, phone);
    QFETCH(bool, ok);
    QVERIFY(showFilled());
    Seen first;
    Seen filled;
    const test::ModalRun run = withDialog("sbAdd", [&](QWidget *w) {
        first = look(w);
        fill(w, fio, address, birthday, phone);
        filled = look(w);
        clickButton(w, "RxSpeedButton2");
    });
    QVERIFY(run.finished);
    QCOMPARE(run.unexpected, QStringList());
    QVERIFY(!first.okEnabled);
    QCOMPARE(filled.okEnabled, ok);
}

void TestDistributors::enterConfirmsOnlyWhileOkIsEnabled_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("birthday");
    QTest::addColumn<bool>("confirms");
    QTest::addColumn<QStringList>("addressAfter");
    QTest::newRow("name") << "edFIO" << "01.02.1990" << true << QStringList{"Тверь"};
    QTest::newRow("address") << "mmAddress" << "01.02.1990" << true << QStringList{"Тверь"};
    QTest::newRow("birthday") << "deBirthday" << "01.02.1990" << true << QStringList{"Тверь"};
    QTest::newRow("phone") << "edPhone" << "01.02.1990" << false << QStringList{"Тверь"};
    QTest::newRow("name, OK disabled") << "edFIO" << "" << false << QStringList{"Тверь"};
    // While OK is disabled Enter goes on to the address box: a new line.
    QTest::newRow("address, OK disabled") << "mmAddress" << "" << false << QStringList{"Тверь", ""};
}

void TestDistributors::enterConfirmsOnlyWhileOkIsEnabled()
{
    QFETCH(QString, field);
    QFETCH(QString, birthday);
    QFETCH(bool, confirms);
    QFETCH(QStringList, addressAfter);
    QVERIFY(showFilled());
    bool openAfterEnter = false;
    Seen after;
    const test::ModalRun run = withDialog("sbAdd", [&](QWidget *w) {
        fill(w, QStringLiteral("Смирнов"), QStringLiteral("Тверь"), birthday, QStringLiteral("123"));
        auto *target = w->findChild<QWidget *>(field);
        target->setFocus(Qt::OtherFocusReason);
        if (auto *box = qobject_cast<AddressBox *>(target))
            box->moveCursor(QTextCursor::End);
        QTest::keyClick(target, Qt::Key_Return);
        openAfterEnter = w->isVisible();
        after = look(w);
        if (openAfterEnter)
            clickButton(w, "RxSpeedButton2");
    });
    QVERIFY(run.finished);
    QCOMPARE(openAfterEnter, !confirms);
    QCOMPARE(m_world->store.scalar(QStringLiteral("SELECT count(*) FROM DISTRIBUTOR")).toInt(), confirms ? 4 : 3);
    QCOMPARE(after.phone, QStringLiteral("123"));
    QCOMPARE(after.addressText.split(QLatin1Char('\n')), addressAfter);
}

void TestDistributors::addressRoundTrip()
{
    QVERIFY(showFilled());
    const test::ModalRun adding = withDialog("sbAdd", [&](QWidget *w) {
        fill(w, QStringLiteral("Смирнов"), QStringLiteral("ул. Ленина, 1\rкв. 5"),
             QStringLiteral("01.02.1990"), QStringLiteral("123"));
        clickButton(w, "rsbOk");
    });
    QVERIFY(adding.finished);
    QCOMPARE(adding.unexpected, QStringList());
    QCOMPARE(stored(QStringLiteral("ADDRESS"), 4).toString(), QStringLiteral("ул. Ленина, 1\r\nкв. 5\r\n"));

    QVERIFY(aqDistributors()->locate(QStringLiteral("ID_DISTRIBUTOR"), 4));
    Seen opened;
    const test::ModalRun changing = withDialog("sbChange", [&](QWidget *w) {
        opened = look(w);
        clickButton(w, "rsbOk");
    });
    QVERIFY(changing.finished);
    QCOMPARE(opened.addressText, QStringLiteral("ул. Ленина, 1\nкв. 5"));
    QCOMPARE(stored(QStringLiteral("ADDRESS"), 4).toString(), QStringLiteral("ул. Ленина, 1\r\nкв. 5\r\n"));
    auto *update = child<StoredProc>(list(), "aspUpdate");
    QCOMPARE(update->procedureName(), QStringLiteral("Distributor_Update"));
    QCOMPARE(update->param(1).toString(), QStringLiteral("ул. Ленина, 1\r\nкв. 5\r\n"));
    QCOMPARE(update->param(4).toInt(), 4);
}

void TestDistributors::missingPhone()
{
    QVERIFY(showFilled());
    const test::ModalRun adding = withDialog("sbAdd", [&](QWidget *w) {
        fill(w, QStringLiteral("Смирнов"), QStringLiteral("Тверь"), QStringLiteral("01.02.1990"), QString());
        clickButton(w, "rsbOk");
    });
    QVERIFY(adding.finished);
    auto *insert = child<StoredProc>(list(), "aspInsert");
    QCOMPARE(insert->procedureName(), QStringLiteral("Distributor_Insert"));
    QCOMPARE(insert->param(2).toString(), QStringLiteral("<Нет телефона>"));
    QCOMPARE(stored(QStringLiteral("PHONE"), 4).toString(), QStringLiteral("<Нет телефона>"));
    // The list shows the text; Change shows an empty phone field.
    QVERIFY(aqDistributors()->locate(QStringLiteral("ID_DISTRIBUTOR"), 4));
    auto *grid = child<ui::DataGrid>(list(), "ehgDistributors");
    QCOMPARE(grid->model()->index(aqDistributors()->row(), grid->modelColumn(3)).data().toString(),
             QStringLiteral("<Нет телефона>"));

    Seen opened;
    const test::ModalRun changing = withDialog("sbChange", [&](QWidget *w) {
        opened = look(w);
        clickButton(w, "rsbOk");
    });
    QVERIFY(changing.finished);
    QCOMPARE(opened.phone, QString());
    QCOMPARE(child<StoredProc>(list(), "aspUpdate")->param(2).toString(), QStringLiteral("<Нет телефона>"));
    QCOMPARE(stored(QStringLiteral("PHONE"), 4).toString(), QStringLiteral("<Нет телефона>"));
}

void TestDistributors::changeShowsTheRowAndKeepsTheCursor()
{
    QVERIFY(showFilled());
    test::clickTitle(child<ui::DataGrid>(list(), "ehgDistributors"), 1);   // Алексеев, Петров, Яковлев
    aqDistributors()->setRow(1);   // 1 Петров
    Seen opened;
    const test::ModalRun run = withDialog("sbChange", [&](QWidget *w) {
        opened = look(w);
        // Renamed to sort last.
        child<QLineEdit>(w, "edFIO")->clear();
        typeInto(w, "edFIO", QStringLiteral("Ященко"));
        typeInto(w, "deBirthday", QString(10, QChar(8)) + "16.01.1970");
        clickButton(w, "rsbOk");
    });
    QVERIFY(run.finished);
    QCOMPARE(run.unexpected, QStringList());
    QVERIFY(opened.codeShown);
    QCOMPARE(opened.code, QStringLiteral("1"));
    QCOMPARE(opened.fio, QStringLiteral("Петров Пётр"));
    QCOMPARE(opened.address, (QStringList{"Москва", "ул. Тверская, 1"}));
    QCOMPARE(opened.phone, QStringLiteral("(495)111-11-11"));
    QCOMPARE(opened.birthday, QStringLiteral("15.01.1970"));
    QVERIFY(opened.okEnabled);

    QCOMPARE(stored(QStringLiteral("FIO"), 1).toString(), QStringLiteral("Ященко"));
    QCOMPARE(stored(QStringLiteral("BIRTHDAY"), 1).toString(), QStringLiteral("1970-01-16"));
    QCOMPARE(stored(QStringLiteral("ADDRESS"), 1).toString(), QStringLiteral("Москва\r\nул. Тверская, 1\r\n"));
    // Still sorted by name; the record moved to the end, the row it left is current.
    QCOMPARE(aqDistributors()->sql().at(1), QStringLiteral("order by FIO"));
    QCOMPARE(aqDistributors()->row(), 1);
    QCOMPARE(aqDistributors()->asInteger(QStringLiteral("ID_DISTRIBUTOR")), 3);
}

void TestDistributors::changeCancelledWritesNothing()
{
    QVERIFY(showFilled());
    aqDistributors()->setRow(2);
    m_world->store.addDistributor(QStringLiteral("Борисов Борис"));
    const QString before = m_world->store.snapshot();
    const test::ModalRun run = withDialog("sbChange", [&](QWidget *w) {
        typeInto(w, "edFIO", QStringLiteral("Другой"));
        clickButton(w, "RxSpeedButton2");
    });
    QVERIFY(run.finished);
    QCOMPARE(m_world->store.snapshot(), before);
    QCOMPARE(aqDistributors()->rowCount(), 3);
    QCOMPARE(aqDistributors()->row(), 2);
}

void TestDistributors::invalidBirthdayReportedOnLeaving()
{
    QVERIFY(showFilled());
    QString error;
    QString focusAfter;
    bool okAfter = true;
    const test::ModalRun run =
        test::runWithModals(list(),
                            {{"fmDistributorEdit",
                              [&](QWidget *w) {
                                  typeInto(w, "edFIO", QStringLiteral("Смирнов"));
                                  typeInto(w, "mmAddress", QStringLiteral("Тверь"));
                                  typeInto(w, "deBirthday", QStringLiteral("32.13.1990"));
                                  QTest::keyClick(child<QWidget>(w, "deBirthday"), Qt::Key_Tab);
                              }},
                             {"showError",
                              [&](QWidget *w) {
                                  error = test::boxText(w);
                                  test::clickBox(w, QMessageBox::Ok);
                              }},
                             // Once the box is gone the field has the focus back.
                             {"fmDistributorEdit",
                              [&](QWidget *w) {
                                  focusAfter = w->focusWidget() ? w->focusWidget()->objectName() : QString();
                                  okAfter = child<ui::FlatButton>(w, "rsbOk")->isEnabled();
                                  clickButton(w, "RxSpeedButton2");
                              }}},
                            [&] { clickButton(list(), "sbAdd"); });
    QVERIFY(run.finished);
    QCOMPARE(run.unexpected, QStringList());
    QCOMPARE(error, QStringLiteral("Неверная дата: «32.13.1990»"));
    QCOMPARE(focusAfter, QStringLiteral("deBirthday"));
    QVERIFY(!okAfter);
}

void TestDistributors::editsStopAtTheirColumnSize()
{
    QVERIFY(showFilled());
    const QString hundred(100, QChar(0x0416));   // Ж
    Seen seen;
    const test::ModalRun run = withDialog("sbAdd", [&](QWidget *w) {
        // Three lines of a hundred: the third stops where the stored form,
        // each line with its CR LF, reaches 250.
        fill(w, QString(60, QChar(0x0416)), hundred + "\r" + hundred + "\r" + hundred,
             QStringLiteral("01.02.1990"), QString(60, QLatin1Char('7')));
        seen = look(w);
        clickButton(w, "rsbOk");
    });
    QVERIFY(run.finished);
    QCOMPARE(run.unexpected, QStringList());
    QCOMPARE(seen.fio.size(), 50);
    QCOMPARE(seen.phone.size(), 50);
    QCOMPARE(seen.address.size(), 3);
    QCOMPARE(seen.address.at(2).size(), 250 - 2 * 102 - 2);
    QCOMPARE(stored(QStringLiteral("length(FIO)"), 4).toInt(), 50);
    QCOMPARE(stored(QStringLiteral("length(PHONE)"), 4).toInt(), 50);
    QCOMPARE(stored(QStringLiteral("length(ADDRESS)"), 4).toInt(), 250);

    // One long line: 248 characters and its CR LF.
    const test::ModalRun again = withDialog("sbAdd", [&](QWidget *w) {
        fill(w, QStringLiteral("Смирнов"), QString(300, QLatin1Char('x')), QStringLiteral("01.02.1990"),
             QString());
        seen = look(w);
        clickButton(w, "rsbOk");
    });
    QVERIFY(again.finished);
    QCOMPARE(again.unexpected, QStringList());
    QCOMPARE(seen.address, QStringList{QString(248, QLatin1Char('x'))});
    QCOMPARE(stored(QStringLiteral("length(ADDRESS)"), 5).toInt(), 250);
}

void TestDistributors::deleteAsksFirst_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestDistributors::deleteAsksFirst()
{
    QFETCH(bool, yes);
    QVERIFY(showFilled());
    aqDistributors()->setRow(1);
    QString question;
    const test::ModalRun run =
        test::runWithModals(list(),
                            {{"askYesNo",
                              [&](QWidget *w) {
                                  question = test::boxText(w);
                                  test::clickBox(w, yes ? QMessageBox::Yes : QMessageBox::No);
                              }}},
                            [&] { clickButton(list(), "sbDelete"); });
    QVERIFY(run.finished);
    QCOMPARE(run.unexpected, QStringList());
    QCOMPARE(question, QStringLiteral("Вы действительно хотите удалить информацию об этом дистрибьютере? "));
    QCOMPARE(m_world->store.scalar(QStringLiteral("SELECT count(*) FROM DISTRIBUTOR WHERE ID_DISTRIBUTOR = 2")).toInt(),
             yes ? 0 : 1);
    QCOMPARE(aqDistributors()->rowCount(), yes ? 2 : 3);
    QCOMPARE(aqDistributors()->row(), yes ? 0 : 1);
}

void TestDistributors::deleteRefusedKeepsTheRow()
{
    QVERIFY(showFilled());
    m_world->store.addOrder(QDate::currentDate(), 2);
    aqDistributors()->setRow(1);
    m_world->store.addDistributor(QStringLiteral("Борисов Борис"));
    QString error;
    const test::ModalRun run =
        test::runWithModals(list(),
                            {{"askYesNo", [](QWidget *w) { test::clickBox(w, QMessageBox::Yes); }},
                             {"showError",
                              [&](QWidget *w) {
                                  error = test::boxText(w);
                                  test::clickBox(w, QMessageBox::Ok);
                              }}},
                            [&] { clickButton(list(), "sbDelete"); });
    QVERIFY(run.finished);
    QCOMPARE(run.unexpected, QStringList());
    QCOMPARE(error, QStringLiteral("Нельзя удалить дистрибьютора: у него есть заказы"));
    // Not re-read: the distributor added meanwhile does not show; the row stays current.
    QCOMPARE(aqDistributors()->rowCount(), 3);
    QCOMPARE(aqDistributors()->row(), 1);
    QCOMPARE(aqDistributors()->asInteger(QStringLiteral("ID_DISTRIBUTOR")), 2);
}

void TestDistributors::refusedSaveBringsTheDialogBack_data()
{
    QTest::addColumn<bool>("change");
    QTest::addColumn<QString>("fio");
    QTest::addColumn<QString>("error");
    // The store takes no name of blanks; a changed distributor may be gone.
    QTest::newRow("add") << false << "   " << "Не указано ФИО дистрибьютора";
    QTest::newRow("change") << true << "Смирнов" << "Дистрибьютор с таким кодом не найден";
}

void TestDistributors::refusedSaveBringsTheDialogBack()
{
    QFETCH(bool, change);
    QFETCH(QString, fio);
    QFETCH(QString, error);
    QVERIFY(showFilled());
    aqDistributors()->setRow(2);
    QString shownError;
    Seen again;
    bool secondTry = false;
    const auto clearAndFill = [&](QWidget *w) {
        child<QLineEdit>(w, "edFIO")->clear();
        child<AddressBox>(w, "mmAddress")->clear();
        child<ui::DateEdit>(w, "deBirthday")->clear();
        child<QLineEdit>(w, "edPhone")->clear();
        fill(w, fio, QStringLiteral("Тверь\rЛенина, 2"), QStringLiteral("01.02.1990"), QStringLiteral("(4822)1"));
    };
    const test::ModalRun run = test::runWithModals(
        list(),
        {{"fmDistributorEdit",
          [&](QWidget *w) {
              clearAndFill(w);
              if (change)
                  m_world->store.query(QStringLiteral("DELETE FROM DISTRIBUTOR WHERE ID_DISTRIBUTOR = 3"));
              clickButton(w, "rsbOk");
          }},
         {"showError",
          [&](QWidget *w) {
              shownError = test::boxText(w);
              test::clickBox(w, QMessageBox::Ok);
          }},
         {"fmDistributorEdit",
          [&](QWidget *w) {
              again = look(w);
              secondTry = true;
              clickButton(w, "RxSpeedButton2");
          }}},
        [&] { clickButton(list(), change ? "sbChange" : "sbAdd"); });
    QVERIFY(run.finished);
    QCOMPARE(run.unexpected, QStringList());
    QVERIFY(secondTry);
    QCOMPARE(shownError, error);
    QCOMPARE(again.fio, fio);
    QCOMPARE(again.address, (QStringList{"Тверь", "Ленина, 2"}));
    QCOMPARE(again.birthday, QStringLiteral("01.02.1990"));
    QCOMPARE(again.phone, QStringLiteral("(4822)1"));
    QCOMPARE(again.codeShown, change);
    QCOMPARE(m_world->store.scalar(QStringLiteral("SELECT count(*) FROM DISTRIBUTOR")).toInt(), change ? 2 : 3);
}

QTEST_MAIN(TestDistributors)
#include "tst_directories_distributors.moc"
