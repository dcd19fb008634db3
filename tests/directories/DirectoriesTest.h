#pragma once

// Helpers of the directories tests: scripted answers to the modal windows a
// command brings up one after another, typing, title clicks and reading a
// list's rows.

#include "data/DataSet.h"
#include "ui/DataGrid.h"
#include "ui/GridHeader.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace tarvo::test {

// Answers the modal windows that come up while a command runs, in turn: each
// step names the window it expects (its objectName) and gets it to look at
// and close. A window that is not the expected one is noted and closed
// (rejected), so the command still ends; so is every modal window once the
// steps are used up or time has run out. Check finished() and unexpected()
// after the command returned: an assert inside a step would leave a modal
// loop hanging.
class ModalScript
{
public:
    struct Step
    {
        QString window;
        std::function<void(QWidget *)> answer;
    };

    // `owner`: the window the command runs in, itself modal; never answered.
    ModalScript(QWidget *owner, QList<Step> steps, int timeoutMs = 15000)
        : m_owner(owner)
        , m_steps(std::move(steps))
        , m_timeoutMs(timeoutMs)
    {
        m_clock.start();
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(20);
    }
    ~ModalScript() { m_timer.stop(); }

    bool finished() const { return m_next == m_steps.size(); }
    // Windows that came up out of turn, as "objectName: text".
    QStringList unexpected() const { return m_unexpected; }

    static void closeModal(QWidget *w)
    {
        if (auto *dialog = qobject_cast<QDialog *>(w))
            dialog->reject();
        else
            w->close();
    }

private:
    void poll()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (!w || w == m_owner.data() || !w->isVisible()) {
            if (m_clock.elapsed() > m_timeoutMs)
                m_timer.stop();
            return;
        }
        if (m_next < m_steps.size() && m_clock.elapsed() <= m_timeoutMs
            && w->objectName() == m_steps.at(m_next).window) {
            const Step step = m_steps.at(m_next++);
            step.answer(w);
            return;
        }
        QString text;
        if (auto *box = qobject_cast<QMessageBox *>(w))
            text = box->text();
        m_unexpected << w->objectName() + QStringLiteral(": ") + text;
        closeModal(w);
    }

    QPointer<QWidget> m_owner;
    QList<Step> m_steps;
    int m_timeoutMs;
    qsizetype m_next = 0;
    QStringList m_unexpected;
    QTimer m_timer;
    QElapsedTimer m_clock;
};

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
        ModalScript::closeModal(w);
}

// Types `text` into the widget key by key, as the keyboard would: every
// character a key press of its own (also letters QTest has no key code for).
inline void typeKeys(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        Qt::Key key = Qt::Key(c.toUpper().unicode());
        if (c == QLatin1Char(' '))
            key = Qt::Key_Space;
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
