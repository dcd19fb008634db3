#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace tarvo::ui;

namespace {

// What a box looked like while it was open.
struct Seen
{
    QString name;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
};

// Runs `show` while a timer waits for the modal box, notes what it shows and
// answers it with `answer` (which gets the box).
Seen runBox(const std::function<void()> &show, const std::function<void(QMessageBox *)> &answer)
{
    Seen seen;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer.stop();
        seen.name = box->objectName();
        seen.caption = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton *button : box->buttons())
            seen.buttons << button->text();
        seen.buttons.sort();
        if (box->defaultButton())
            seen.defaultButton = box->defaultButton()->text();
        answer(box);
    });
    timer.start(10);
    show();
    return seen;
}

std::function<void(QMessageBox *)> click(QMessageBox::StandardButton which)
{
    return [which](QMessageBox *box) { box->button(which)->click(); };
}

} // namespace

class TestMessageBoxes : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void askYesNoAnswers_data();
    void askYesNoAnswers();
    void askOkCancelAnswers();
    void showErrorIsTheErrorBox();
    void showMessageIsPlain();
};

void TestMessageBoxes::askYesNoAnswers_data()
{
    QTest::addColumn<int>("answer");   // a standard button, or 0 for Escape
    QTest::addColumn<bool>("result");
    QTest::newRow("yes") << int(QMessageBox::Yes) << true;
    QTest::newRow("no") << int(QMessageBox::No) << false;
    QTest::newRow("escape") << 0 << false;
}

void TestMessageBoxes::askYesNoAnswers()
{
    QFETCH(int, answer);
    QFETCH(bool, result);
    const QString question = QStringLiteral("Вы действительно хотите удалить информацию об этом товаре? ");
    bool answered = !result;
    const Seen seen = runBox([&] { answered = askYesNo(nullptr, question); },
                             [answer](QMessageBox *box) {
                                 if (answer)
                                     box->button(QMessageBox::StandardButton(answer))->click();
                                 else
                                     QTest::keyClick(box, Qt::Key_Escape);
                             });
    QCOMPARE(answered, result);
    QCOMPARE(seen.name, QStringLiteral("askYesNo"));
    QCOMPARE(seen.text, question);
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QCOMPARE(seen.buttons, (QStringList{QStringLiteral("Да"), QStringLiteral("Нет")}));
    QCOMPARE(seen.defaultButton, QStringLiteral("Нет"));
}

void TestMessageBoxes::askOkCancelAnswers()
{
    bool answered = false;
    Seen seen = runBox([&] { answered = askOkCancel(nullptr, QStringLiteral("Delete record?")); },
                       click(QMessageBox::Ok));
    QVERIFY(answered);
    QCOMPARE(seen.name, QStringLiteral("askOkCancel"));
    QCOMPARE(seen.defaultButton, QStringLiteral("Отмена"));
    seen = runBox([&] { answered = askOkCancel(nullptr, QStringLiteral("Delete record?")); },
                  click(QMessageBox::Cancel));
    QVERIFY(!answered);
}

void TestMessageBoxes::showErrorIsTheErrorBox()
{
    const Seen seen = runBox([] { showError(nullptr, QStringLiteral("no such table: GOOD")); },
                             click(QMessageBox::Ok));
    QCOMPARE(seen.name, QStringLiteral("showError"));
    QCOMPARE(seen.caption, QStringLiteral("Ошибка"));
    QCOMPARE(seen.text, QStringLiteral("no such table: GOOD"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
}

void TestMessageBoxes::showMessageIsPlain()
{
    const QString text = QStringLiteral("Нельзя удалить  запись т.к. есть подчиненные");
    const Seen seen = runBox([&] { showMessage(nullptr, text); }, click(QMessageBox::Ok));
    QCOMPARE(seen.name, QStringLiteral("showMessage"));
    QCOMPARE(seen.text, text);
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
}

QTEST_MAIN(TestMessageBoxes)
#include "tst_ui_messageboxes.moc"
