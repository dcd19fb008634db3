#pragma once

#include "setup/SetupUnit.h"
#include "tests/common/Modal.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QtTest>

#include <functional>

// Helpers of the setup window tests: typing as the user types, and showing
// the window modally with a script that runs inside its modal loop.
namespace setuptest {

// The edit names from top to bottom, then the rate field.
inline QStringList requisiteNames()
{
    QStringList names;
    for (int i = 1; i <= tarvo::TfmSetup::RequisiteCount; ++i)
        names << QStringLiteral("deReq%1").arg(i);
    return names;
}

// The store columns behind deReq1..deReq15.
inline QStringList requisiteColumns()
{
    return {"OurName", "OurINN", "OurBank", "OurFIO", "OurTel", "OurBIK", "OurKorrSch", "OurRs",
            "OurIMNS", "MNSNAME", "MNSINN", "MNSBank", "MNSBIK", "MNSKorrSch", "MNSRs"};
}

template <class W = QLineEdit>
W *field(QWidget *form, const QString &name)
{
    return form->findChild<W *>(name);
}

// Types `text` key by key, Cyrillic included (QTest::keyClicks only knows Latin-1).
inline void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Empties a field the way the user does: select everything, Backspace.
inline void clearField(QLineEdit *edit)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
}

inline void retype(QLineEdit *edit, const QString &text)
{
    clearField(edit);
    typeText(edit, text);
}

inline void click(QWidget *form, const QString &button)
{
    QTest::mouseClick(form->findChild<QWidget *>(button), Qt::LeftButton);
}

// What an error box showed: its name and text, empty when none came.
struct ErrorBox
{
    QString name;
    QString text;
};

// Expects an error box over `form` (for a click that is about to fail):
// records it and closes it.
inline void answerErrorBox(QWidget *form, ErrorBox *seen)
{
    tarvo::test::whenModal(
        [seen](QWidget *w) {
            seen->name = w->objectName();
            if (auto *box = qobject_cast<QMessageBox *>(w))
                seen->text = box->text();
            w->close();
        },
        form);
}

// Shows the window modally, as the main menu does, and runs `script` inside
// its modal loop. An error box shown while the window opens is recorded in
// `errorOnShow` and closed first. A script that leaves the window open has
// it closed with Cancel. Returns the window's result. Record inside the
// script, assert afterwards.
inline int runWindow(tarvo::TfmSetup *form, const std::function<void(QWidget *)> &script,
                     ErrorBox *errorOnShow = nullptr)
{
    QPointer<tarvo::TfmSetup> guardForm(form);
    auto inForm = [guardForm, script](QWidget *w) {
        if (w == guardForm.data()) {
            script(w);
            if (guardForm && guardForm->isVisible())
                guardForm->reject();
        } else {
            w->close();
        }
    };
    tarvo::test::whenModal([guardForm, inForm, errorOnShow](QWidget *w) {
        if (w != guardForm.data()) {
            // The error box raised while the window was being shown.
            if (errorOnShow) {
                errorOnShow->name = w->objectName();
                if (auto *box = qobject_cast<QMessageBox *>(w))
                    errorOnShow->text = box->text();
            }
            w->close();
            tarvo::test::whenModal(inForm);
            return;
        }
        inForm(w);
    });
    return form->showModal();
}

} // namespace setuptest
