#include "ui/DropDown.h"

#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace tarvo::ui {

void showDropDown(QWidget *popup, QWidget *field, bool alignRight)
{
    popup->adjustSize();
    QPoint at = field->mapToGlobal(QPoint(alignRight ? field->width() - popup->width() : 0, field->height()));
    if (const QScreen *screen = field->screen()) {
        const QRect area = screen->availableGeometry();
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - popup->width())));
        if (at.y() + popup->height() > area.bottom())
            at.setY(field->mapToGlobal(QPoint(0, 0)).y() - popup->height());
    }
    popup->move(at);
    popup->show();
}

bool isDropDownKey(const QKeyEvent *event)
{
    return event->key() == Qt::Key_F4
           || (event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier));
}

} // namespace tarvo::ui
