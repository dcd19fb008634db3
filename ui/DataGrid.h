#pragma once

#include "ui/GridColumn.h"

#include <QList>
#include <QMetaObject>
#include <QPointer>
#include <QTableView>
#include <QVector>

namespace tarvo {
class CurrentRowModel;
}

namespace tarvo::ui {

class GridDelegate;
class GridHeader;
class RowIndicator;

// The grid of the list windows: a flat, read-only table view over a model,
// whole-row single selection that stays visible without the focus, one text
// line per row, no vertical header (an optional row indicator instead).
//
// Columns are defined by GridColumn entries; a "grid column" is an index into
// that list. Model columns without an entry are not shown. Without any
// definitions every model column is shown with the model's header text.
//
// Column widths: the design widths are stretched proportionally so that the
// columns together fill the viewport's width; this is redone whenever the
// viewport changes size. The user may still resize a column: the columns to
// its right then share the rest of the width, and the new widths become the
// design widths.
//
// Titles: multi-level titles with merged upper cells (see GridHeader). A click
// on a button title first emits titleBtnClick with the marker the column
// carried at the click, then (with automatic marking on) moves the marker:
// None -> Down, Down -> Up, Up -> Down, or Up -> None with Ctrl held; all
// other columns lose their marker. The grid never sorts rows itself.
//
// Current row: with a tarvo::CurrentRowModel, a click or key that moves the
// grid's current row moves the model's current row, and a currentRowChanged
// of the model (also after a model reset) moves and scrolls the grid.
class DataGrid : public QTableView
{
    Q_OBJECT
public:
    static constexpr int DefaultColumnWidth = 64;

    explicit DataGrid(QWidget *parent = nullptr);
    ~DataGrid() override;

    void setModel(QAbstractItemModel *model) override;
    // The model as a CurrentRowModel; null for other models.
    CurrentRowModel *currentRowModel() const;

    // Column definitions, in display order.
    void setColumns(const QList<GridColumn> &columns);
    const QList<GridColumn> &columns() const { return m_columns; }
    // Number of grid columns: the definitions, or the model's columns without any.
    int gridColumnCount() const;
    // Model column of a grid column; -1 when out of range.
    int modelColumn(int column) const;
    // Grid column that shows a model column; -1 when none does.
    int gridColumnOf(int modelColumn) const;

    // Sort markers, by grid column. Setting Down or Up clears every other column.
    SortMarker sortMarker(int column) const;
    void setSortMarker(int column, SortMarker marker);
    void clearSortMarkers();
    // Whether a title click moves the marker (on by default).
    void setAutoSortMarking(bool on) { m_autoSortMarking = on; }
    bool autoSortMarking() const { return m_autoSortMarking; }

    // Width given to columns whose design width is 0.
    void setDefaultColumnWidth(int width);
    int defaultColumnWidth() const { return m_defaultWidth; }
    // Design width of a grid column (after user resizing, its latest width).
    int designWidth(int column) const;
    // Stretches the columns to the viewport's width (done automatically on resize).
    void fitColumns();

    // The narrow row indicator at the left; hidden by default.
    void setRowIndicatorShown(bool shown);
    bool isRowIndicatorShown() const;
    RowIndicator *rowIndicator() const { return m_indicator; }

    // In-place editing of the non-read-only columns; off by default.
    void setEditable(bool editable);
    bool isEditable() const { return m_editable; }

    GridHeader *titleHeader() const { return m_header; }

    // The whole text of a cell when the cell cuts it; empty when it fits.
    QString cellToolTip(const QModelIndex &index) const;
    // The whole text of the title cell under a header point when it is cut.
    QString titleToolTip(const QPoint &headerPos) const;

Q_SIGNALS:
    void titleBtnClick(int column, tarvo::ui::SortMarker markerAtClick,
                       Qt::KeyboardModifiers modifiers);
    // A double click on a row.
    void dblClick();

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applyColumns();
    void applyRowHeight();
    void applyPalette();
    void syncFromModel();
    void moveToRow(int row);
    void onTitleClicked(int logical, Qt::KeyboardModifiers modifiers);
    void onSectionResized(int logical, int oldSize, int newSize);
    QVector<int> shownColumns() const;
    bool isTitleButton(int column) const;

    QList<GridColumn> m_columns;
    QVector<int> m_design;          // design widths by grid column
    GridHeader *m_header = nullptr;
    RowIndicator *m_indicator = nullptr;
    GridDelegate *m_delegate = nullptr;
    QPointer<QAbstractItemModel> m_model;
    QList<QMetaObject::Connection> m_modelConnections;
    int m_markedColumn = -1;
    SortMarker m_marker = SortMarker::None;
    int m_defaultWidth = DefaultColumnWidth;
    bool m_autoSortMarking = true;
    bool m_editable = false;
    bool m_fitting = false;         // our own section resizes
    bool m_syncing = false;         // moving the current index after the model
    bool m_applyingPalette = false;
};

} // namespace tarvo::ui
