#include "ui/RowIndicator.h"

#include <QPainter>
#include <QPolygon>

namespace tarvo::ui {

namespace {
constexpr int IndicatorWidth = 12;
}

RowIndicator::RowIndicator(QWidget *parent)
    : QHeaderView(Qt::Vertical, parent)
{
    setSectionsClickable(true);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Fixed);
}

void RowIndicator::setCurrentRow(int row)
{
    if (row == m_row)
        return;
    m_row = row;
    viewport()->update();
}

void RowIndicator::setMark(Mark mark)
{
    if (mark == m_mark)
        return;
    m_mark = mark;
    viewport()->update();
}

QSize RowIndicator::sizeHint() const
{
    return QSize(IndicatorWidth, length());
}

void RowIndicator::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    const QPalette pal = palette();
    painter->fillRect(rect, pal.color(QPalette::Button));
    painter->setPen(pal.color(QPalette::Mid));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    if (logicalIndex != m_row)
        return;

    const QPoint c = rect.center();
    const QColor ink = pal.color(QPalette::ButtonText);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    switch (m_mark) {
    case Mark::Browse: {
        QPolygon triangle;
        triangle << QPoint(c.x() - 2, c.y() - 4) << QPoint(c.x() - 2, c.y() + 4)
                 << QPoint(c.x() + 3, c.y());
        painter->setPen(Qt::NoPen);
        painter->setBrush(ink);
        painter->drawPolygon(triangle);
        break;
    }
    case Mark::Edit:
        painter->setPen(ink);
        painter->drawLine(c.x(), c.y() - 4, c.x(), c.y() + 4);
        painter->drawLine(c.x() - 2, c.y() - 4, c.x() + 2, c.y() - 4);
        painter->drawLine(c.x() - 2, c.y() + 4, c.x() + 2, c.y() + 4);
        break;
    case Mark::Insert:
        painter->setPen(ink);
        painter->drawLine(c.x() - 3, c.y(), c.x() + 3, c.y());
        painter->drawLine(c.x() - 2, c.y() - 3, c.x() + 2, c.y() + 3);
        painter->drawLine(c.x() - 2, c.y() + 3, c.x() + 2, c.y() - 3);
        break;
    }
    painter->restore();
}

} // namespace tarvo::ui
