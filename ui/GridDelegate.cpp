#include "ui/GridDelegate.h"

#include "data/CurrentRowModel.h"
#include "ui/DataGrid.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <optional>

namespace tarvo::ui {

GridDelegate::GridDelegate(DataGrid *grid)
    : QStyledItemDelegate(grid)
    , m_grid(grid)
{
}

const GridColumn *GridDelegate::columnOf(const QModelIndex &index) const
{
    const int column = m_grid->gridColumnOf(index.column());
    if (column < 0 || column >= m_grid->columns().size())
        return nullptr;
    return &m_grid->columns().at(column);
}

QString GridDelegate::singleLine(const QString &text)
{
    QString line = text;
    while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QChar::LineSeparator, QLatin1Char(' '));
    return line;
}

QString GridDelegate::prepare(QStyleOptionViewItem &opt, const QModelIndex &index) const
{
    initStyleOption(&opt, index);
    if (const GridColumn *column = columnOf(index)) {
        if (column->bold) {
            opt.font.setBold(true);
            opt.fontMetrics = QFontMetrics(opt.font);
        }
        if (column->background.isValid())
            opt.backgroundBrush = column->background;
        Qt::Alignment alignment = column->alignment;
        if (!(alignment & Qt::AlignVertical_Mask))
            alignment |= Qt::AlignVCenter;
        opt.displayAlignment = alignment;
    } else if (!(opt.displayAlignment & Qt::AlignVertical_Mask)) {
        opt.displayAlignment |= Qt::AlignVCenter;
    }
    // The style option writes a line break as a line separator: a stored CR LF
    // arrives as CR + separator, which is one break of the whole text.
    QString text = opt.text;
    text.replace(QStringLiteral("\r") + QChar(QChar::LineSeparator), QChar(QChar::LineSeparator));
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r'))
           || text.endsWith(QChar(QChar::LineSeparator)))
        text.chop(1);
    // Check indicators only where the column asks for one; no icons.
    opt.features &= ~(QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration);
    opt.text.clear();
    return text;
}

QRect GridDelegate::textRect(const QStyleOptionViewItem &opt) const
{
    const QStyle *style = opt.widget ? opt.widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, opt.widget) + 1;
    return opt.rect.adjusted(margin, 0, -margin, 0);
}

void GridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    const QString text = prepare(opt, index);
    const QStyle *style = opt.widget ? opt.widget->style() : QApplication::style();
    // Background, selection and focus frame come from the style; text and check box are ours.
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

    const GridColumn *column = columnOf(index);
    painter->save();
    if (column && column->checkBox) {
        QVariant value = index.data(Qt::CheckStateRole);
        std::optional<Qt::CheckState> state;
        if (value.isValid()) {
            state = static_cast<Qt::CheckState>(value.toInt());
        } else {
            value = index.data(ValueRole);
            if (!value.isValid())
                value = index.data(Qt::DisplayRole);
            if (value.typeId() == QMetaType::Bool)
                state = value.toBool() ? Qt::Checked : Qt::Unchecked;
        }
        if (state) {
            QStyleOptionViewItem check = opt;
            const int w = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, opt.widget);
            const int h = style->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, opt.widget);
            check.rect = QRect(opt.rect.center().x() - w / 2, opt.rect.center().y() - h / 2, w, h);
            check.state &= ~(QStyle::State_On | QStyle::State_Off | QStyle::State_NoChange);
            check.state |= *state == Qt::Checked   ? QStyle::State_On
                           : *state == Qt::Unchecked ? QStyle::State_Off
                                                     : QStyle::State_NoChange;
            style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &check, painter, opt.widget);
        }
    } else if (!text.isEmpty()) {
        const QRect r = textRect(opt);
        const QString shown = opt.fontMetrics.elidedText(singleLine(text), Qt::ElideRight,
                                                         std::max(0, r.width()));
        const QPalette::ColorGroup group = (opt.state & QStyle::State_Enabled) ? QPalette::Active
                                                                                : QPalette::Disabled;
        const bool selected = opt.state & QStyle::State_Selected;
        painter->setPen(opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(opt.font);
        painter->drawText(r, int(opt.displayAlignment) | Qt::TextSingleLine, shown);
    }
    painter->restore();
}

QSize GridDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    const QString text = prepare(opt, index);
    const QRect r = textRect(opt);
    const int margins = opt.rect.width() - r.width();
    return QSize(opt.fontMetrics.horizontalAdvance(singleLine(text)) + std::max(0, margins) + 6,
                 opt.fontMetrics.height() + 4);
}

QString GridDelegate::cutText(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const GridColumn *column = columnOf(index);
    if (column && column->checkBox)
        return {};
    QStyleOptionViewItem opt = option;
    const QString text = prepare(opt, index);
    if (text.isEmpty())
        return {};
    if (opt.fontMetrics.horizontalAdvance(singleLine(text)) > textRect(opt).width())
        return text;
    return {};
}

bool GridDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                             const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString text = index.isValid() ? cutText(option, index) : QString();
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(event->globalPos(), text, view->viewport(), option.rect);
    }
    return true;
}

QWidget *GridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                    const QModelIndex &index) const
{
    const GridColumn *column = columnOf(index);
    if (column && (column->readOnly || column->checkBox))
        return nullptr;
    return QStyledItemDelegate::createEditor(parent, option, index);
}

bool GridDelegate::editorEvent(QEvent *, QAbstractItemModel *, const QStyleOptionViewItem &,
                               const QModelIndex &)
{
    // Check boxes in the grid are display only; nothing is toggled in place.
    return false;
}

} // namespace tarvo::ui
