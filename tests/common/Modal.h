#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace tarvo::test {

// Waits (from a timer, while a modal loop runs) for a modal widget other than
// `except` to appear, then hands it to `answer`, which must close it. Record
// what you need inside `answer` and assert after the modal loop returned:
// a failed assert inside the timer would leave the loop hanging.
inline void whenModal(std::function<void(QWidget *)> answer, QWidget *except = nullptr,
                      int timeoutMs = 10000)
{
    auto *timer = new QTimer;
    auto *clock = new QElapsedTimer;
    clock->start();
    QPointer<QWidget> skip(except);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, answer, skip, timeoutMs] {
        QWidget *w = QApplication::activeModalWidget();
        if (w && w != skip.data() && w->isVisible()) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            answer(w);
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            // Nothing appeared: close whatever modal is up so the test ends.
            if (QWidget *top = QApplication::activeModalWidget())
                top->close();
        }
    });
    timer->start(20);
}

} // namespace tarvo::test
