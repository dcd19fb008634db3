#include "ui/GridHeader.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QToolTip>

#include <algorithm>

namespace tarvo::ui {

namespace {
constexpr int TextPadding = 3;   // left and right of a title text
constexpr int MarkerSpace = 12;  // room kept at the right of a marked leaf cell
}

GridHeader::GridHeader(QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
    setHighlightSections(false);
    setSectionsMovable(false);
    setSortIndicatorShown(false);
    setSectionResizeMode(QHeaderView::Interactive);
    setMinimumSectionSize(8);
    setTextElideMode(Qt::ElideRight);
    connect(this, &QHeaderView::sectionClicked, this, &GridHeader::onSectionClicked);
    connect(this, &QHeaderView::sectionPressed, this, [this](int logical) {
        const auto cell = titleCellAt(m_pressPos);
        m_pressedLogical = (cell && !cell->isMerged() && isTitleButton(logical)) ? logical : -1;
        viewport()->update();
    });
    // A merged cell spans several sections: any change of a section's size or
    // place moves text that other sections draw, so repaint the whole bar.
    connect(this, &QHeaderView::sectionResized, this, [this] { viewport()->update(); });
    connect(this, &QHeaderView::sectionMoved, this, [this] { viewport()->update(); });
}

void GridHeader::setTitle(int logical, const QString &title, Qt::Alignment alignment, bool button)
{
    Title t;
    const QStringList parts = title.split(QLatin1Char('|'));
    for (const QString &part : parts)
        t.levels << part.trimmed();
    t.alignment = alignment;
    t.button = button;
    m_titles.insert(logical, t);
    updateGeometry();
    viewport()->update();
}

void GridHeader::clearTitles()
{
    m_titles.clear();
    updateGeometry();
    viewport()->update();
}

GridHeader::Title GridHeader::titleOf(int logical) const
{
    const auto it = m_titles.constFind(logical);
    if (it != m_titles.constEnd())
        return *it;
    Title t;
    const QString text = model() ? model()->headerData(logical, Qt::Horizontal).toString() : QString();
    t.levels << text.trimmed();
    return t;
}

QStringList GridHeader::titleLevels(int logical) const
{
    return titleOf(logical).levels;
}

bool GridHeader::isTitleButton(int logical) const
{
    const auto it = m_titles.constFind(logical);
    return it != m_titles.constEnd() && it->button;
}

void GridHeader::setSortMarker(int logical, SortMarker marker)
{
    if (marker == SortMarker::None) {
        if (logical == m_markedLogical) {
            m_markedLogical = -1;
            m_marker = SortMarker::None;
        }
    } else {
        m_markedLogical = logical;
        m_marker = marker;
    }
    viewport()->update();
}

SortMarker GridHeader::sortMarker(int logical) const
{
    return (logical >= 0 && logical == m_markedLogical) ? m_marker : SortMarker::None;
}

void GridHeader::clearSortMarkers()
{
    m_markedLogical = -1;
    m_marker = SortMarker::None;
    viewport()->update();
}

int GridHeader::levelCount() const
{
    int levels = 1;
    for (int logical = 0; logical < count(); ++logical) {
        if (!isSectionHidden(logical))
            levels = std::max(levels, int(titleOf(logical).levels.size()));
    }
    return levels;
}

int GridHeader::lineHeight() const
{
    return fontMetrics().height() + 4;
}

QSize GridHeader::sizeHint() const
{
    return QSize(length(), levelCount() * lineHeight());
}

bool GridHeader::sameGroup(int a, int b, int level) const
{
    const QStringList la = titleOf(a).levels;
    const QStringList lb = titleOf(b).levels;
    if (la.size() != lb.size() || level >= la.size() - 1)
        return false;
    for (int i = 0; i <= level; ++i) {
        if (la.at(i) != lb.at(i))
            return false;
    }
    return true;
}

GridHeader::TitleCell GridHeader::titleCell(int logical, int level) const
{
    const QStringList levels = titleOf(logical).levels;
    const int n = int(levels.size());
    level = std::clamp(level, 0, n - 1);
    const int lines = std::max(levelCount(), n);

    TitleCell cell;
    cell.level = level;
    cell.text = levels.at(level);
    cell.leaf = level == n - 1;
    cell.lastRow = lines - n + level;
    cell.firstRow = level == 0 ? 0 : cell.lastRow;
    cell.firstLogical = cell.lastLogical = logical;
    if (!cell.leaf) {
        for (int v = visualIndex(logical) - 1; v >= 0; --v) {
            const int other = logicalIndex(v);
            if (isSectionHidden(other))
                continue;
            if (!sameGroup(logical, other, level))
                break;
            cell.firstLogical = other;
        }
        for (int v = visualIndex(logical) + 1; v < count(); ++v) {
            const int other = logicalIndex(v);
            if (isSectionHidden(other))
                continue;
            if (!sameGroup(logical, other, level))
                break;
            cell.lastLogical = other;
        }
    }
    return cell;
}

int GridHeader::rowTop(int row) const
{
    const int lines = levelCount();
    return int(qint64(height()) * row / lines);
}

QRect GridHeader::titleCellRect(const TitleCell &cell) const
{
    if (cell.firstLogical < 0)
        return {};
    const int left = sectionViewportPosition(cell.firstLogical);
    const int right = sectionViewportPosition(cell.lastLogical) + sectionSize(cell.lastLogical);
    const int top = rowTop(cell.firstRow);
    const int bottom = rowTop(cell.lastRow + 1);
    return QRect(left, top, right - left, bottom - top);
}

std::optional<GridHeader::TitleCell> GridHeader::titleCellAt(const QPoint &pos) const
{
    const int logical = logicalIndexAt(pos.x());
    if (logical < 0 || pos.y() < 0 || pos.y() >= height())
        return std::nullopt;
    const int n = int(titleOf(logical).levels.size());
    for (int level = 0; level < n; ++level) {
        const TitleCell cell = titleCell(logical, level);
        if (titleCellRect(cell).contains(pos))
            return cell;
    }
    return std::nullopt;
}

QRect GridHeader::textRect(const TitleCell &cell) const
{
    QRect r = titleCellRect(cell).adjusted(TextPadding, 0, -TextPadding, 0);
    if (cell.leaf && sortMarker(cell.firstLogical) != SortMarker::None)
        r.setRight(r.right() - MarkerSpace);
    return r;
}

QString GridHeader::cutTitleAt(const QPoint &pos) const
{
    const auto cell = titleCellAt(pos);
    if (!cell)
        return {};
    if (fontMetrics().horizontalAdvance(cell->text) > textRect(*cell).width())
        return cell->text;
    return {};
}

void GridHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    painter->save();
    painter->setClipRect(rect, Qt::IntersectClip);
    const Title title = titleOf(logicalIndex);
    const QPalette pal = palette();
    // The bar's own font, the one the cut-text test measures with.
    painter->setFont(font());
    const QFontMetrics fm = fontMetrics();
    for (int level = 0; level < title.levels.size(); ++level) {
        const TitleCell cell = titleCell(logicalIndex, level);
        const QRect r = titleCellRect(cell);
        const bool sunken = !cell.isMerged() && logicalIndex == m_pressedLogical;
        QColor fill = pal.color(QPalette::Button);
        if (sunken)
            fill = fill.darker(115);
        painter->fillRect(r, fill);
        painter->setPen(pal.color(QPalette::Mid));
        painter->drawLine(r.topRight(), r.bottomRight());
        painter->drawLine(r.bottomLeft(), r.bottomRight());

        const QRect tr = textRect(cell);
        const Qt::Alignment horizontal = cell.isMerged() ? Qt::AlignHCenter
                                                         : (title.alignment & Qt::AlignHorizontal_Mask);
        const QString shown = fm.elidedText(cell.text, Qt::ElideRight, std::max(0, tr.width()));
        painter->setPen(pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                  QPalette::ButtonText));
        painter->drawText(tr, int(horizontal | Qt::AlignVCenter) | Qt::TextSingleLine, shown);

        const SortMarker marker = sortMarker(logicalIndex);
        if (cell.leaf && marker != SortMarker::None) {
            const int cx = r.right() - TextPadding - MarkerSpace / 2;
            const int cy = r.center().y();
            QPolygon triangle;
            if (marker == SortMarker::Down)
                triangle << QPoint(cx - 4, cy - 2) << QPoint(cx + 4, cy - 2) << QPoint(cx, cy + 2);
            else
                triangle << QPoint(cx - 4, cy + 2) << QPoint(cx + 4, cy + 2) << QPoint(cx, cy - 2);
            painter->setRenderHint(QPainter::Antialiasing, true);
            painter->setPen(Qt::NoPen);
            painter->setBrush(pal.color(QPalette::ButtonText));
            painter->drawPolygon(triangle);
            painter->setRenderHint(QPainter::Antialiasing, false);
        }
    }
    painter->restore();
}

void GridHeader::mousePressEvent(QMouseEvent *event)
{
    m_pressPos = event->position().toPoint();
    m_pressedLogical = -1;
    QHeaderView::mousePressEvent(event);
}

void GridHeader::mouseReleaseEvent(QMouseEvent *event)
{
    m_releaseModifiers = event->modifiers();
    QHeaderView::mouseReleaseEvent(event);
    if (m_pressedLogical >= 0) {
        m_pressedLogical = -1;
        viewport()->update();
    }
}

void GridHeader::onSectionClicked(int logical)
{
    const auto cell = titleCellAt(m_pressPos);
    if (!cell || cell->isMerged() || cell->firstLogical != logical || !isTitleButton(logical))
        return;
    Q_EMIT titleClicked(logical, m_releaseModifiers);
}

bool GridHeader::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QString text = cutTitleAt(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            const auto cell = titleCellAt(help->pos());
            QToolTip::showText(help->globalPos(), text, viewport(), titleCellRect(*cell));
        }
        return true;
    }
    return QHeaderView::viewportEvent(event);
}

} // namespace tarvo::ui
