#pragma once

// Helpers of the directories tests: scripted answers to the modal windows a
// command brings up one after another, typing, title clicks and reading a
// list's rows.

#include "data/DMUnit.h"
#include "data/DataSet.h"
#include "directories/DistrbutorEditUnit.h"
#include "directories/GoodEditUnit.h"
#include "directories/SpDistributorUnit.h"
#include "directories/SpGoodUnit.h"
#include "tests/store/StoreFixture.h"
#include "ui/DataGrid.h"
#include "ui/FlatButton.h"
#include "ui/GridHeader.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace tarvo::test {

// A new store in a temporary folder made the working folder, the data
// module and the four directory windows, created in the program's order
// (each list before its dialog). One per test function.
class Workspace
{
public:
    Workspace()
        : m_saved(QDir::currentPath())
    {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        if (!store.error().isEmpty())
            return;
        QDir::setCurrent(store.folder());
        dm = std::make_unique<TDM>();
        distributors = std::make_unique<TfmDistributorList>();
        distributorEdit = std::make_unique<TfmDistributorEdit>();
        goods = std::make_unique<TfmGoodsList>();
        goodEdit = std::make_unique<TfmGoodEdit>();
    }
    ~Workspace()
    {
        goodEdit.reset();
        goods.reset();
        distributorEdit.reset();
        distributors.reset();
        dm.reset();
        QDir::setCurrent(m_saved);
    }
    QString savedFolder() const { return m_saved; }

    StoreFixture store;
    std::unique_ptr<TDM> dm;
    std::unique_ptr<TfmDistributorList> distributors;
    std::unique_ptr<TfmDistributorEdit> distributorEdit;
    std::unique_ptr<TfmGoodsList> goods;
    std::unique_ptr<TfmGoodEdit> goodEdit;

private:
    QString m_saved;
};

// A named child of a window.
template <class T>
T *child(const QObject *parent, const char *name)
{
    return parent->findChild<T *>(QString::fromLatin1(name));
}

// A click on a flat button with the mouse (nothing happens while it is disabled).
inline void clickButton(QWidget *window, const char *name)
{
    auto *button = child<ui::FlatButton>(window, name);
    if (button)
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

// Answers the modal windows that come up while a command runs, in turn: each
// step names the window it expects (its objectName) and gets it to look at
// and close. A window that is not the expected one is noted and closed
// (rejected), so the command still ends; so is every modal window once the
// steps are used up or time has run out. A window is answered once it is the
// active window. Look at the result after the
// command returned: an assert inside a step would leave a modal loop hanging.
struct ModalStep
{
    QString window;
    std::function<void(QWidget *)> answer;
};

struct ModalRun
{
    bool finished = false;     // every step was answered
    QStringList unexpected;    // windows that came up out of turn, "objectName: text"
};

inline void closeModal(QWidget *w)
{
    if (auto *dialog = qobject_cast<QDialog *>(w))
        dialog->reject();
    else
        w->close();
}

// Runs `command` (which brings up modal windows) with the steps answering
// them; `owner` is the window the command runs in, itself modal, never
// answered.
inline ModalRun runWithModals(QWidget *owner, const QList<ModalStep> &steps,
                              const std::function<void()> &command, int timeoutMs = 15000)
{
    ModalRun run;
    qsizetype next = 0;
    QPointer<QWidget> skip(owner);
    QElapsedTimer clock;
    clock.start();
    bool answering = false;
    QPointer<QWidget> waiting;
    QElapsedTimer waitingSince;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget *w = QApplication::activeModalWidget();
        // A step that runs an event loop of its own is not interrupted.
        if (answering || !w || w == skip.data() || !w->isVisible())
            return;
        const bool timedOut = clock.elapsed() > timeoutMs;
        // Answered once it is the active window, as the keyboard would reach
        // it; a window that comes back after a box may need to be asked to.
        if (!w->isActiveWindow() && !timedOut) {
            if (waiting != w) {
                waiting = w;
                waitingSince.start();
            }
            w->activateWindow();
            if (waitingSince.elapsed() < 2000)
                return;
        }
        waiting = nullptr;
        if (next < steps.size() && !timedOut && w->objectName() == steps.at(next).window) {
            const ModalStep &step = steps.at(next++);
            answering = true;
            step.answer(w);
            answering = false;
            return;
        }
        QString text;
        if (auto *box = qobject_cast<QMessageBox *>(w))
            text = box->text();
        run.unexpected << w->objectName() + QStringLiteral(": ") + text;
        closeModal(w);
    });
    timer.start(20);
    command();
    timer.stop();
    run.finished = next == steps.size();
    return run;
}

// The text of a message box.
inline QString boxText(QWidget *w)
{
    auto *box = qobject_cast<QMessageBox *>(w);
    return box ? box->text() : QString();
}

// Clicks a message box's button: QMessageBox::Yes, No or Ok.
inline void clickBox(QWidget *w, QMessageBox::StandardButton which)
{
    auto *box = qobject_cast<QMessageBox *>(w);
    if (box && box->button(which))
        box->button(which)->click();
    else
        closeModal(w);
}

// Types `text` into the widget key by key, as the keyboard would: every
// character a key press of its own (also letters QTest has no key code for);
// "\b" is backspace, "\r" Enter.
inline void typeKeys(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        Qt::Key key = Qt::Key(c.toUpper().unicode());
        if (c == QLatin1Char(' '))
            key = Qt::Key_Space;
        else if (c == QChar(8))
            key = Qt::Key_Backspace;
        else if (c == QChar(13))
            key = Qt::Key_Return;
        QTest::sendKeyEvent(QTest::Press, widget, key, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, key, QString(c), Qt::NoModifier);
    }
}

// A click on the title of a grid column, in its lowest title line.
inline void clickTitle(ui::DataGrid *grid, int column, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    ui::GridHeader *header = grid->titleHeader();
    const int logical = grid->modelColumn(column);
    const QPoint at(header->sectionViewportPosition(logical) + header->sectionSize(logical) / 2,
                    header->height() - header->lineHeight() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, modifiers, at);
}

// A field's values in the order of the rows.
inline QVariantList columnValues(const DataSet *data, const QString &field)
{
    QVariantList values;
    const int f = data->fieldIndex(field);
    for (int r = 0; r < data->rowCount(); ++r)
        values << data->valueAt(r, f);
    return values;
}

// The markers of every grid column, "-" none, "v" down, "^" up.
inline QString markers(const ui::DataGrid *grid)
{
    QString out;
    for (int c = 0; c < grid->gridColumnCount(); ++c) {
        switch (grid->sortMarker(c)) {
        case ui::SortMarker::None: out += QLatin1Char('-'); break;
        case ui::SortMarker::Down: out += QLatin1Char('v'); break;
        case ui::SortMarker::Up: out += QLatin1Char('^'); break;
        }
    }
    return out;
}

} // namespace tarvo::test
