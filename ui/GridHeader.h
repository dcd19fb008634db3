#pragma once

#include "ui/GridColumn.h"

#include <QHash>
#include <QHeaderView>
#include <QStringList>

#include <optional>

namespace tarvo::ui {

// The horizontal title bar of a DataGrid. Titles may have several levels
// separated by "|", top level first. The bar is as many text lines high as
// the deepest visible title. A column's lowest level sits in the bottom line,
// the levels above it stack upwards and its top level stretches up to the top
// edge. Adjacent visible columns with the same number of levels whose titles
// start with the same upper levels share one merged cell for those levels;
// the lowest level is never merged. Text that does not fit ends in an
// ellipsis and shows whole in a tool tip. Button titles are drawn with their
// sort marker and report clicks on the column's own cells.
class GridHeader : public QHeaderView
{
    Q_OBJECT
public:
    // One title cell: one level of one or more adjacent columns.
    struct TitleCell
    {
        int firstLogical = -1;  // leftmost and rightmost section it covers
        int lastLogical = -1;
        int level = 0;          // title level, 0 = top
        int firstRow = 0;       // text lines of the bar it covers
        int lastRow = 0;
        QString text;           // the level's text, trimmed
        bool leaf = false;      // the column's lowest level
        bool isMerged() const { return firstLogical != lastLogical; }
    };

    explicit GridHeader(QWidget *parent = nullptr);

    // Title of a logical section; sections without one show the model's header text.
    void setTitle(int logical, const QString &title, Qt::Alignment alignment = Qt::AlignCenter,
                  bool button = false);
    void clearTitles();
    QStringList titleLevels(int logical) const;
    bool isTitleButton(int logical) const;

    void setSortMarker(int logical, SortMarker marker);
    SortMarker sortMarker(int logical) const;
    void clearSortMarkers();

    // Text lines of the bar: the most levels of any visible section, at least 1.
    int levelCount() const;
    // Height of one text line of the bar.
    int lineHeight() const;

    // The cell holding `level` of a section (the level is clamped to the section's levels).
    TitleCell titleCell(int logical, int level) const;
    // The cell under a point of the bar's viewport.
    std::optional<TitleCell> titleCellAt(const QPoint &pos) const;
    QRect titleCellRect(const TitleCell &cell) const;
    // The whole text of the cell under `pos` when it is cut; empty otherwise.
    QString cutTitleAt(const QPoint &pos) const;

    QSize sizeHint() const override;

Q_SIGNALS:
    // A click on a button title's own cells (not on a merged cell).
    void titleClicked(int logical, Qt::KeyboardModifiers modifiers);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    struct Title
    {
        QStringList levels;
        Qt::Alignment alignment = Qt::AlignCenter;
        bool button = false;
    };
    Title titleOf(int logical) const;
    bool sameGroup(int a, int b, int level) const;
    int rowTop(int row) const;
    QRect textRect(const TitleCell &cell) const;
    void onSectionClicked(int logical);

    QHash<int, Title> m_titles;
    int m_markedLogical = -1;
    SortMarker m_marker = SortMarker::None;
    int m_pressedLogical = -1;           // button section held down, for the sunken look
    QPoint m_pressPos;
    Qt::KeyboardModifiers m_releaseModifiers;
};

} // namespace tarvo::ui
