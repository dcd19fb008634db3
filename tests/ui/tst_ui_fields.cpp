#include "data/Formats.h"
#include "ui/CalcEdit.h"
#include "ui/CalculatorPopup.h"
#include "ui/CalendarPopup.h"
#include "ui/CurrencyEdit.h"
#include "ui/DateEdit.h"
#include "ui/TriStateCheckBox.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace tarvo;
using namespace tarvo::ui;

namespace {

Money money(const char *text)
{
    return Money::parse(QString::fromLatin1(text)).value();
}

// A shown, active window holding a field and a plain edit to move the focus to.
template<typename Field>
struct FocusWindow
{
    QWidget window;
    Field *field = new Field(&window);
    QLineEdit *other = new QLineEdit(&window);

    bool open()
    {
        auto *layout = new QHBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(other);
        window.show();
        QApplication::setActiveWindow(&window);
        return QTest::qWaitForWindowActive(&window);
    }
};

} // namespace

class TestFields : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void currencyTyping_data();
    void currencyTyping();
    void currencyPasteIsChecked();
    void currencyProgramZeroIsEmptyAndReported();
    void currencyFocusRewritesSilently();
    void currencyTypedZeroCountsAsText();

    void calcDecimals_data();
    void calcDecimals();
    void calcValueAndSignal();
    void calculator_data();
    void calculator();
    void calculatorOkWritesRoundedResult();

    void triStateCycle_data();
    void triStateCycle();

    void dateText_data();
    void dateText();
    void dateSetAndSignal();
    void dateTypingFilter();
    void dateLeftInvalidIsReported();
    void dateLeftValidOrEmptyIsQuiet();
    void datePickRespectsMinimum();
    void dateCalendarPick();
};

void TestFields::currencyTyping_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("refused");
    QTest::addColumn<QString>("value");

    const QString ru = QStringLiteral("ru_RU");
    const QString en = QStringLiteral("en_US");
    QTest::newRow("digits") << ru << "123" << "123" << 0 << "123";
    QTest::newRow("comma") << ru << "12,5" << "12,5" << 0 << "12.5";
    QTest::newRow("dot becomes comma") << ru << "12.5" << "12,5" << 0 << "12.5";
    QTest::newRow("two decimals") << ru << "12,34" << "12,34" << 0 << "12.34";
    QTest::newRow("third decimal") << ru << "12,345" << "12,34" << 1 << "12.34";
    QTest::newRow("second separator") << ru << "1,2,3" << "1,23" << 1 << "1.23";
    QTest::newRow("dot after comma") << ru << "1,2.3" << "1,23" << 1 << "1.23";
    QTest::newRow("letter") << ru << "1a2" << "12" << 1 << "12";
    QTest::newRow("blank") << ru << "1 2" << "12" << 1 << "12";
    QTest::newRow("leading minus") << ru << "-5,5" << "-5,5" << 0 << "-5.5";
    QTest::newRow("minus inside") << ru << "5-" << "5" << 1 << "5";
    QTest::newRow("second minus") << ru << "--5" << "-5" << 1 << "-5";
    QTest::newRow("plus") << ru << "+5" << "5" << 1 << "5";
    QTest::newRow("separator first") << ru << ",5" << ",5" << 0 << "0.5";
    QTest::newRow("minus alone") << ru << "-" << "-" << 0 << "0";
    QTest::newRow("en: dot") << en << "1.5" << "1.5" << 0 << "1.5";
    QTest::newRow("en: comma is the group separator") << en << "1,5" << "15" << 1 << "15";
}

void TestFields::currencyTyping()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(int, refused);
    QFETCH(QString, value);

    FocusWindow<CurrencyEdit> w;
    w.field->setLocale(QLocale(locale));
    QVERIFY(w.open());
    w.field->setFocus();
    QSignalSpy refusals(w.field, &NumberEdit::inputRefused);
    QSignalSpy changes(w.field, &CurrencyEdit::valueTextChanged);
    QTest::keyClicks(w.field, typed);
    QCOMPARE(w.field->text(), text);
    QCOMPARE(refusals.size(), refused);
    QCOMPARE(changes.size(), int(typed.size()) - refused);
    QCOMPARE(w.field->value(), Money::parse(value).value());
}

void TestFields::currencyPasteIsChecked()
{
    FocusWindow<CurrencyEdit> w;
    QVERIFY(w.open());
    w.field->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("12.5"));
    w.field->paste();
    QCOMPARE(w.field->text(), QStringLiteral("12,5"));
    w.field->clear();
    QApplication::clipboard()->setText(QStringLiteral("12 руб"));
    w.field->paste();
    QCOMPARE(w.field->text(), QString());
}

void TestFields::currencyProgramZeroIsEmptyAndReported()
{
    CurrencyEdit field;
    field.setValue(money("7.25"));
    QSignalSpy changes(&field, &CurrencyEdit::valueTextChanged);
    field.setValue(Money());
    QCOMPARE(changes.size(), 1);
    QVERIFY(field.isTextEmpty());
    QCOMPARE(field.text(), QString());
    QCOMPARE(field.value(), Money());
    field.setValue(money("1234.5"));
    QCOMPARE(changes.size(), 2);
    QVERIFY(!field.isTextEmpty());
    QCOMPARE(field.editText(), QStringLiteral("1234,5"));
    QCOMPARE(field.value(), money("1234.5"));
}

void TestFields::currencyFocusRewritesSilently()
{
    FocusWindow<CurrencyEdit> w;
    QVERIFY(w.open());
    w.other->setFocus();
    w.field->setValue(money("1234.5"));
    const QString display = fmt::currency(money("1234.5"));
    QVERIFY(display.contains(QStringLiteral("1 234,50")) || display.contains(QStringLiteral("1\u00a0234,50")));
    // Without the focus the field shows the currency display.
    QCOMPARE(w.field->text(), display);
    QCOMPARE(w.field->editText(), QStringLiteral("1234,5"));

    QSignalSpy changes(w.field, &CurrencyEdit::valueTextChanged);
    w.field->setFocus(Qt::TabFocusReason);
    QVERIFY(w.field->hasFocus());
    QCOMPARE(w.field->text(), QStringLiteral("1234,5"));
    w.other->setFocus(Qt::TabFocusReason);
    QVERIFY(!w.field->hasFocus());
    QCOMPARE(w.field->text(), display);
    QCOMPARE(changes.size(), 0);

    // A typed "12,50" is rewritten as the plain number on the way out and in.
    w.field->setFocus(Qt::TabFocusReason);
    w.field->selectAll();
    QTest::keyClicks(w.field, QStringLiteral("12,50"));
    const int typedChanges = int(changes.size());
    QVERIFY(typedChanges > 0);
    w.other->setFocus(Qt::TabFocusReason);
    QCOMPARE(w.field->text(), fmt::currency(money("12.5")));
    QCOMPARE(w.field->editText(), QStringLiteral("12,5"));
    w.field->setFocus(Qt::MouseFocusReason);
    QCOMPARE(w.field->text(), QStringLiteral("12,5"));
    QCOMPARE(changes.size(), typedChanges);
}

void TestFields::currencyTypedZeroCountsAsText()
{
    FocusWindow<CurrencyEdit> w;
    QVERIFY(w.open());
    w.field->setValue(Money());
    QVERIFY(w.field->isTextEmpty());
    w.field->setFocus(Qt::TabFocusReason);
    QSignalSpy changes(w.field, &CurrencyEdit::valueTextChanged);
    QTest::keyClicks(w.field, QStringLiteral("0"));
    QCOMPARE(changes.size(), 1);
    QVERIFY(!w.field->isTextEmpty());
    // Leaving the field rewrites zero as empty text, without a change report.
    w.other->setFocus(Qt::TabFocusReason);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(w.field->text(), QString());
    QCOMPARE(w.field->value(), Money());
}

void TestFields::calcDecimals_data()
{
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("refused");

    QTest::newRow("two of two") << 2 << "0,05" << "0,05" << 0;
    QTest::newRow("third refused") << 2 << "0,055" << "0,05" << 1;
    QTest::newRow("dot as separator") << 2 << "1.25" << "1,25" << 0;
    QTest::newRow("three allowed") << 3 << "0,055" << "0,055" << 0;
    QTest::newRow("no decimals") << 0 << "1,5" << "15" << 1;
    QTest::newRow("letters") << 2 << "x1" << "1" << 1;
}

void TestFields::calcDecimals()
{
    QFETCH(int, decimals);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(int, refused);

    CalcEdit field;
    field.setMaxDecimals(decimals);
    QSignalSpy refusals(&field, &NumberEdit::inputRefused);
    QTest::keyClicks(&field, typed);
    QCOMPARE(field.text(), text);
    QCOMPARE(refusals.size(), refused);
}

void TestFields::calcValueAndSignal()
{
    CalcEdit field;
    QCOMPARE(field.value(), Money());
    QSignalSpy changes(&field, &CalcEdit::valueChanged);
    field.setValue(money("0.05"));
    QCOMPARE(field.text(), QStringLiteral("0,05"));
    QCOMPARE(field.value(), money("0.05"));
    QCOMPARE(changes.size(), 1);
    field.setValue(Money());
    QCOMPARE(field.text(), QString());
    QCOMPARE(changes.size(), 2);
    QTest::keyClicks(&field, QStringLiteral("3,5"));
    QCOMPARE(changes.size(), 5);
    QCOMPARE(field.value(), money("3.5"));
}

void TestFields::calculator_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");

    QTest::newRow("add") << "12" << "+ 3 =" << "15";
    QTest::newRow("typed number replaces start") << "12" << "4 , 5 * 2 =" << "9";
    QTest::newRow("chain left to right") << "0" << "2 + 3 * 4 =" << "20";
    QTest::newRow("divide rounds to four places") << "0" << "1 / 3 =" << "0,3333";
    QTest::newRow("two thirds half to even") << "0" << "2 / 3 =" << "0,6667";
    QTest::newRow("operator twice keeps the last") << "10" << "+ - 4 =" << "6";
    QTest::newRow("division by zero") << "5" << "/ 0 =" << "Ошибка";
    QTest::newRow("key after error starts afresh") << "5" << "/ 0 = 7" << "7";
    QTest::newRow("clear") << "5" << "+ 3 C" << "0";
    QTest::newRow("backspace") << "0" << "1 2 3 <" << "12";
    QTest::newRow("negative result") << "2" << "- 5 =" << "-3";
}

void TestFields::calculator()
{
    QFETCH(QString, start);
    QFETCH(QString, keys);
    QFETCH(QString, display);

    CalculatorPopup popup;
    popup.setValue(Money::parse(start).value());
    for (const QString &key : keys.split(QLatin1Char(' ')))
        popup.press(key);
    QCOMPARE(popup.displayText(), display);
}

void TestFields::calculatorOkWritesRoundedResult()
{
    FocusWindow<CalcEdit> w;
    QVERIFY(w.open());
    w.field->setValue(money("1"));
    w.field->setFocus();
    w.field->showCalculator();
    CalculatorPopup *popup = w.field->calculator();
    QVERIFY(popup->isVisible());
    QCOMPARE(popup->value(), money("1"));
    QSignalSpy changes(w.field, &CalcEdit::valueChanged);
    // Typed on the popup's keyboard: 1 / 3, then Enter for OK.
    QTest::keyClicks(popup, QStringLiteral("/3"));
    QTest::keyClick(popup, Qt::Key_Return);
    QVERIFY(!popup->isVisible());
    QCOMPARE(w.field->text(), QStringLiteral("0,33"));
    QCOMPARE(changes.size(), 1);

    // An error result writes nothing; Escape leaves the field as it is.
    w.field->showCalculator();
    for (const char *key : {"/", "0", "OK"})
        popup->press(QString::fromLatin1(key));
    QCOMPARE(w.field->text(), QStringLiteral("0,33"));
    w.field->showCalculator();
    QTest::keyClicks(popup, QStringLiteral("+9"));
    QTest::keyClick(popup, Qt::Key_Escape);
    QVERIFY(!popup->isVisible());
    QCOMPARE(w.field->text(), QStringLiteral("0,33"));
    QCOMPARE(changes.size(), 1);
}

void TestFields::triStateCycle_data()
{
    QTest::addColumn<bool>("keyboard");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");

    for (bool keyboard : {false, true}) {
        const char *how = keyboard ? "space" : "click";
        QTest::addRow("%s: unchecked -> undecided", how) << keyboard << int(Qt::Unchecked) << int(Qt::PartiallyChecked);
        QTest::addRow("%s: undecided -> checked", how) << keyboard << int(Qt::PartiallyChecked) << int(Qt::Checked);
        QTest::addRow("%s: checked -> unchecked", how) << keyboard << int(Qt::Checked) << int(Qt::Unchecked);
    }
}

void TestFields::triStateCycle()
{
    QFETCH(bool, keyboard);
    QFETCH(int, from);
    QFETCH(int, to);

    TriStateCheckBox box(QStringLiteral("Облагается НсП"));
    box.resize(200, 30);
    box.setCheckState(Qt::CheckState(from));
    QSignalSpy changes(&box, &QCheckBox::stateChanged);
    if (keyboard)
        QTest::keyClick(&box, Qt::Key_Space);
    else
        QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box.height() / 2));
    QCOMPARE(int(box.checkState()), to);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).at(0).toInt(), to);
    QCOMPARE(box.isUndecided(), to == int(Qt::PartiallyChecked));
}

void TestFields::dateText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");   // null: no date
    QTest::addColumn<bool>("blank");

    QTest::newRow("valid") << "31.12.2024" << QDate(2024, 12, 31) << false;
    QTest::newRow("leap day") << "29.02.2024" << QDate(2024, 2, 29) << false;
    QTest::newRow("no leap day") << "29.02.2023" << QDate() << false;
    QTest::newRow("month 13") << "01.13.2024" << QDate() << false;
    QTest::newRow("day 32") << "32.01.2024" << QDate() << false;
    QTest::newRow("incomplete") << "12.05" << QDate() << false;
    QTest::newRow("empty") << "" << QDate() << true;
    QTest::newRow("separators only") << " . . " << QDate() << true;
}

void TestFields::dateText()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QFETCH(bool, blank);

    DateEdit field;
    field.setText(text);
    const std::optional<DateTime> read = field.date();
    QCOMPARE(read.has_value(), date.isValid());
    if (read)
        QCOMPARE(read->date(), date);
    QCOMPARE(field.isBlank(), blank);
}

void TestFields::dateSetAndSignal()
{
    DateEdit field;
    QSignalSpy changes(&field, &DateEdit::changed);
    field.setDate(DateTime::fromDate(QDate(2024, 3, 5)));
    QCOMPARE(field.text(), QStringLiteral("05.03.2024"));
    QCOMPARE(changes.size(), 1);
    field.setDate(std::nullopt);
    QCOMPARE(field.text(), QString());
    QVERIFY(!field.date());
    QCOMPARE(changes.size(), 2);
    QTest::keyClicks(&field, QStringLiteral("1"));
    QCOMPARE(changes.size(), 3);
}

void TestFields::dateTypingFilter()
{
    DateEdit field;
    QTest::keyClicks(&field, QStringLiteral("0a5.b03/2024"));
    QCOMPARE(field.text(), QStringLiteral("05.032024"));
    field.clear();
    QTest::keyClicks(&field, QStringLiteral("05.03.2024999"));
    QCOMPARE(field.text(), QStringLiteral("05.03.2024"));
}

void TestFields::dateLeftInvalidIsReported()
{
    FocusWindow<DateEdit> w;
    QVERIFY(w.open());
    w.field->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(w.field, QStringLiteral("32.13.2024"));

    QString reported;
    QString caption;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        reported = box->text();
        caption = box->windowTitle();
        answer.stop();
        box->button(QMessageBox::Ok)->click();
    });
    answer.start(10);
    QTest::keyClick(w.field, Qt::Key_Tab);
    QTRY_VERIFY(!reported.isEmpty());
    QCOMPARE(reported, QStringLiteral("Неверная дата: «32.13.2024»"));
    QCOMPARE(caption, QStringLiteral("Ошибка"));
    // The field is the window's focus widget again, and has the focus once
    // the window is active again after the box.
    QTRY_COMPARE(w.window.focusWidget(), w.field);
    QApplication::setActiveWindow(&w.window);
    QTRY_VERIFY(w.field->hasFocus());
    QCOMPARE(w.field->text(), QStringLiteral("32.13.2024"));
}

void TestFields::dateLeftValidOrEmptyIsQuiet()
{
    FocusWindow<DateEdit> w;
    QVERIFY(w.open());
    int boxes = 0;
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            ++boxes;
            box->close();
        }
    });
    watch.start(5);
    for (const QString &typed : {QStringLiteral("05.03.2024"), QString()}) {
        w.field->setFocus(Qt::MouseFocusReason);
        w.field->clear();
        QTest::keyClicks(w.field, typed);
        QTest::keyClick(w.field, Qt::Key_Tab);
        QTest::qWait(50);
        QVERIFY(w.other->hasFocus());
    }
    QCOMPARE(boxes, 0);
}

void TestFields::datePickRespectsMinimum()
{
    DateEdit field;
    field.setDate(DateTime::fromDate(QDate(2024, 6, 10)));
    field.setCalendarMinimum(DateTime::fromDate(QDate(2024, 6, 1)));
    QSignalSpy picked(&field, &DateEdit::datePicked);
    QVERIFY(!field.pickDate(QDate(2024, 5, 31)));
    QCOMPARE(field.text(), QStringLiteral("10.06.2024"));
    QCOMPARE(picked.size(), 0);
    QVERIFY(field.pickDate(QDate(2024, 6, 1)));
    QCOMPARE(field.text(), QStringLiteral("01.06.2024"));
    QCOMPARE(picked.size(), 1);
    field.setCalendarMinimum(std::nullopt);
    QVERIFY(field.pickDate(QDate(1999, 1, 1)));
    QCOMPARE(field.text(), QStringLiteral("01.01.1999"));
}

void TestFields::dateCalendarPick()
{
    FocusWindow<DateEdit> w;
    QVERIFY(w.open());
    w.field->setDate(DateTime::fromDate(QDate(2024, 5, 3)));
    w.field->setFocus();
    QTest::keyClick(w.field, Qt::Key_F4);
    CalendarPopup *popup = w.field->calendarPopup();
    QVERIFY(popup->isVisible());
    QCOMPARE(popup->calendar()->selectedDate(), QDate(2024, 5, 3));
    popup->calendar()->setSelectedDate(QDate(2024, 5, 17));
    auto *days = popup->calendar()->findChild<QTableView *>();
    QVERIFY(days);
    QTest::keyClick(days, Qt::Key_Return);
    QVERIFY(!popup->isVisible());
    QCOMPARE(w.field->text(), QStringLiteral("17.05.2024"));
}

QTEST_MAIN(TestFields)
#include "tst_ui_fields.moc"
