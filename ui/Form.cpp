#include "ui/Form.h"

#include "ui/Guard.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>

namespace tarvo::ui {

Form::Form(const QString &objectName, const QString &caption, int width, int height, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    resize(width, height);
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

int Form::showModal()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
    return exec();
}

void Form::done(int result)
{
    guard([this] { formClose(); });
    QDialog::done(result);
}

void Form::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        guard([this] { formShow(); });
}

} // namespace tarvo::ui
