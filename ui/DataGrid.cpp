#include "ui/DataGrid.h"

#include "data/CurrentRowModel.h"
#include "ui/GridDelegate.h"
#include "ui/GridHeader.h"
#include "ui/RowIndicator.h"

#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QTimer>

#include <algorithm>

namespace tarvo::ui {

DataGrid::DataGrid(QWidget *parent)
    : QTableView(parent)
{
    m_header = new GridHeader(this);
    setHorizontalHeader(m_header);
    m_indicator = new RowIndicator(this);
    setVerticalHeader(m_indicator);
    m_indicator->hide();
    m_delegate = new GridDelegate(this);
    setItemDelegate(m_delegate);

    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setTabKeyNavigation(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    setCornerButtonEnabled(false);
    applyRowHeight();
    applyPalette();

    connect(m_header, &GridHeader::titleClicked, this, &DataGrid::onTitleClicked);
    connect(m_header, &QHeaderView::sectionResized, this, &DataGrid::onSectionResized);
}

DataGrid::~DataGrid() = default;

void DataGrid::applyRowHeight()
{
    const int height = fontMetrics().height() + 4;
    m_indicator->setMinimumSectionSize(std::min(height, 8));
    m_indicator->setDefaultSectionSize(height);
    m_indicator->setSectionResizeMode(QHeaderView::Fixed);
}

void DataGrid::applyPalette()
{
    // The selection looks the same whether or not the grid has the focus.
    QPalette p = palette();
    if (p.color(QPalette::Inactive, QPalette::Highlight) == p.color(QPalette::Active, QPalette::Highlight)
        && p.color(QPalette::Inactive, QPalette::HighlightedText)
               == p.color(QPalette::Active, QPalette::HighlightedText))
        return;
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::HighlightedText));
    m_applyingPalette = true;
    setPalette(p);
    m_applyingPalette = false;
}

void DataGrid::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        applyRowHeight();
        updateGeometries();
    } else if (event->type() == QEvent::PaletteChange && !m_applyingPalette) {
        applyPalette();
    }
}

CurrentRowModel *DataGrid::currentRowModel() const
{
    return qobject_cast<CurrentRowModel *>(model());
}

void DataGrid::setModel(QAbstractItemModel *newModel)
{
    for (const QMetaObject::Connection &c : std::as_const(m_modelConnections))
        disconnect(c);
    m_modelConnections.clear();

    QTableView::setModel(newModel);
    m_model = newModel;
    if (newModel) {
        // Connected after the view's and the header's own handlers, so these
        // run once the sections have been rebuilt.
        m_modelConnections << connect(newModel, &QAbstractItemModel::modelReset, this, [this] {
            applyColumns();
            syncFromModel();
        });
        m_modelConnections << connect(newModel, &QAbstractItemModel::columnsInserted, this,
                                      &DataGrid::applyColumns);
        m_modelConnections << connect(newModel, &QAbstractItemModel::columnsRemoved, this,
                                      &DataGrid::applyColumns);
        m_modelConnections << connect(newModel, &QAbstractItemModel::columnsMoved, this,
                                      &DataGrid::applyColumns);
        m_modelConnections << connect(newModel, &QAbstractItemModel::layoutChanged, this,
                                      &DataGrid::syncFromModel);
        m_modelConnections << connect(newModel, &QAbstractItemModel::headerDataChanged, this,
                                      [this] { m_header->viewport()->update(); });
        if (auto *rows = qobject_cast<CurrentRowModel *>(newModel)) {
            m_modelConnections << connect(rows, &CurrentRowModel::currentRowChanged, this,
                                          [this](int row) {
                                              if (!m_syncing)
                                                  moveToRow(row);
                                          });
        }
    }
    applyColumns();
    syncFromModel();
}

void DataGrid::setColumns(const QList<GridColumn> &columns)
{
    m_columns = columns;
    m_design.clear();
    for (const GridColumn &column : columns)
        m_design << std::max(0, column.width);
    if (m_markedColumn >= gridColumnCount()) {
        m_markedColumn = -1;
        m_marker = SortMarker::None;
    }
    applyColumns();
}

int DataGrid::gridColumnCount() const
{
    if (!m_columns.isEmpty())
        return int(m_columns.size());
    return model() ? model()->columnCount() : 0;
}

int DataGrid::modelColumn(int column) const
{
    if (column < 0 || column >= gridColumnCount())
        return -1;
    return m_columns.isEmpty() ? column : m_columns.at(column).field;
}

int DataGrid::gridColumnOf(int modelColumn) const
{
    if (modelColumn < 0)
        return -1;
    if (m_columns.isEmpty())
        return modelColumn < gridColumnCount() ? modelColumn : -1;
    for (int c = 0; c < m_columns.size(); ++c) {
        if (m_columns.at(c).field == modelColumn)
            return c;
    }
    return -1;
}

bool DataGrid::isTitleButton(int column) const
{
    return !m_columns.isEmpty() && column >= 0 && column < m_columns.size()
           && m_columns.at(column).titleButton;
}

QVector<int> DataGrid::shownColumns() const
{
    QVector<int> shown;
    const int modelColumns = model() ? model()->columnCount() : 0;
    for (int c = 0; c < gridColumnCount(); ++c) {
        const int logical = modelColumn(c);
        if (logical < 0 || logical >= modelColumns || m_header->isSectionHidden(logical))
            continue;
        if (gridColumnOf(logical) != c)
            continue;   // a model column defined twice is shown once
        shown << c;
    }
    return shown;
}

void DataGrid::applyColumns()
{
    const int modelColumns = model() ? model()->columnCount() : 0;
    if (m_columns.isEmpty() && m_design.size() != modelColumns)
        m_design.resize(modelColumns);

    m_fitting = true;
    m_header->clearTitles();
    if (m_columns.isEmpty()) {
        for (int logical = 0; logical < modelColumns; ++logical)
            m_header->setSectionHidden(logical, false);
    } else {
        QVector<bool> used(modelColumns, false);
        for (const GridColumn &column : std::as_const(m_columns)) {
            if (column.field >= 0 && column.field < modelColumns)
                used[column.field] = true;
        }
        for (int logical = 0; logical < modelColumns; ++logical)
            m_header->setSectionHidden(logical, !used.at(logical));
        // Put the shown sections into the order of the definitions.
        int target = 0;
        QVector<bool> placed(modelColumns, false);
        for (const GridColumn &column : std::as_const(m_columns)) {
            if (column.field < 0 || column.field >= modelColumns || placed.at(column.field))
                continue;
            placed[column.field] = true;
            const int from = m_header->visualIndex(column.field);
            if (from != target)
                m_header->moveSection(from, target);
            ++target;
            m_header->setTitle(column.field, column.title, column.titleAlignment, column.titleButton);
        }
    }
    m_fitting = false;

    m_header->clearSortMarkers();
    const int marked = modelColumn(m_markedColumn);
    if (marked >= 0 && marked < modelColumns)
        m_header->setSortMarker(marked, m_marker);

    updateGeometries();
    fitColumns();
}

SortMarker DataGrid::sortMarker(int column) const
{
    return (column >= 0 && column == m_markedColumn) ? m_marker : SortMarker::None;
}

void DataGrid::setSortMarker(int column, SortMarker marker)
{
    if (column < 0 || column >= gridColumnCount())
        return;
    if (marker == SortMarker::None) {
        if (column != m_markedColumn)
            return;
        m_markedColumn = -1;
        m_marker = SortMarker::None;
    } else {
        m_markedColumn = column;
        m_marker = marker;
    }
    m_header->clearSortMarkers();
    const int logical = modelColumn(m_markedColumn);
    if (logical >= 0)
        m_header->setSortMarker(logical, m_marker);
}

void DataGrid::clearSortMarkers()
{
    m_markedColumn = -1;
    m_marker = SortMarker::None;
    m_header->clearSortMarkers();
}

void DataGrid::onTitleClicked(int logical, Qt::KeyboardModifiers modifiers)
{
    const int column = gridColumnOf(logical);
    if (!isTitleButton(column))
        return;
    const SortMarker atClick = sortMarker(column);
    QPointer<DataGrid> alive(this);
    Q_EMIT titleBtnClick(column, atClick, modifiers);
    if (!alive || !m_autoSortMarking)
        return;
    SortMarker next = SortMarker::Down;
    if (atClick == SortMarker::Down)
        next = SortMarker::Up;
    else if (atClick == SortMarker::Up && (modifiers & Qt::ControlModifier))
        next = SortMarker::None;
    clearSortMarkers();
    setSortMarker(column, next);
}

void DataGrid::setDefaultColumnWidth(int width)
{
    m_defaultWidth = std::max(1, width);
    fitColumns();
}

int DataGrid::designWidth(int column) const
{
    if (column < 0 || column >= m_design.size())
        return m_defaultWidth;
    return m_design.at(column) > 0 ? m_design.at(column) : m_defaultWidth;
}

void DataGrid::fitColumns()
{
    if (m_fitting || !model())
        return;
    const QVector<int> shown = shownColumns();
    const int available = viewport()->width();
    if (shown.isEmpty() || available <= 0)
        return;
    qint64 total = 0;
    for (int c : shown)
        total += designWidth(c);
    // Cumulative rounding: the right edges are the proportional points, so the
    // widths add up to the viewport's width exactly.
    m_fitting = true;
    qint64 sum = 0;
    int previousEdge = 0;
    for (int c : shown) {
        sum += designWidth(c);
        const int edge = int((sum * available + total / 2) / total);
        m_header->resizeSection(modelColumn(c), std::max(edge - previousEdge, m_header->minimumSectionSize()));
        previousEdge = edge;
    }
    m_fitting = false;
}

void DataGrid::onSectionResized(int logical, int, int)
{
    if (m_fitting)
        return;
    // A column resized by the user keeps its new width; the columns to its
    // right share what is left of the viewport in their current proportions.
    const int column = gridColumnOf(logical);
    const QVector<int> shown = shownColumns();
    const qsizetype at = shown.indexOf(column);
    if (at < 0)
        return;
    int used = 0;
    for (qsizetype i = 0; i <= at; ++i) {
        const int width = m_header->sectionSize(modelColumn(shown.at(i)));
        m_design[shown.at(i)] = width;
        used += width;
    }
    const QVector<int> right = shown.mid(at + 1);
    if (right.isEmpty())
        return;
    qint64 total = 0;
    for (int c : right)
        total += std::max(1, m_header->sectionSize(modelColumn(c)));
    const int minimum = m_header->minimumSectionSize();
    const int rest = std::max(viewport()->width() - used, minimum * int(right.size()));
    QVector<int> widths;
    qint64 sum = 0;
    int previousEdge = 0;
    for (int c : right) {
        sum += std::max(1, m_header->sectionSize(modelColumn(c)));
        const int edge = int((sum * rest + total / 2) / total);
        widths << std::max(edge - previousEdge, minimum);
        previousEdge = edge;
    }
    m_fitting = true;
    for (qsizetype i = 0; i < right.size(); ++i) {
        m_design[right.at(i)] = widths.at(i);
        m_header->resizeSection(modelColumn(right.at(i)), widths.at(i));
    }
    m_fitting = false;
}

void DataGrid::resizeEvent(QResizeEvent *event)
{
    // QAbstractScrollArea hands the viewport's resizes to this handler.
    QTableView::resizeEvent(event);
    fitColumns();
}

void DataGrid::showEvent(QShowEvent *event)
{
    QTableView::showEvent(event);
    fitColumns();
}

void DataGrid::setRowIndicatorShown(bool shown)
{
    m_indicator->setVisible(shown);
    updateGeometries();
    fitColumns();
}

bool DataGrid::isRowIndicatorShown() const
{
    return !m_indicator->isHidden();
}

void DataGrid::setEditable(bool editable)
{
    m_editable = editable;
    setEditTriggers(editable ? (QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked)
                             : QAbstractItemView::NoEditTriggers);
}

QString DataGrid::cellToolTip(const QModelIndex &index) const
{
    if (!index.isValid())
        return {};
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    return m_delegate->cutText(option, index);
}

QString DataGrid::titleToolTip(const QPoint &headerPos) const
{
    return m_header->cutTitleAt(headerPos);
}

void DataGrid::syncFromModel()
{
    if (CurrentRowModel *rows = currentRowModel())
        moveToRow(rows->currentRow());
    else
        m_indicator->setCurrentRow(currentIndex().isValid() ? currentIndex().row() : -1);
}

void DataGrid::moveToRow(int row)
{
    QAbstractItemModel *m = model();
    if (!m || !selectionModel())
        return;
    // Restores the flag as it was: a reset of the model can arrive while the
    // grid is itself moving the model's row.
    const QScopedValueRollback<bool> syncing(m_syncing, true);
    if (row < 0 || row >= m->rowCount()) {
        selectionModel()->clear();
        m_indicator->setCurrentRow(-1);
    } else {
        int logical = currentIndex().isValid() ? currentIndex().column() : -1;
        if (logical < 0 || m_header->isSectionHidden(logical)) {
            const QVector<int> shown = shownColumns();
            logical = shown.isEmpty() ? 0 : modelColumn(shown.first());
        }
        const QModelIndex index = m->index(row, logical);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect
                                                     | QItemSelectionModel::Rows);
        if (!m_header->isSectionHidden(logical))
            scrollTo(index);
        m_indicator->setCurrentRow(row);
    }
}

void DataGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    m_indicator->setCurrentRow(current.isValid() ? current.row() : -1);
    CurrentRowModel *rows = currentRowModel();
    if (m_syncing || !rows || !current.isValid() || rows->currentRow() == current.row())
        return;
    {
        const QScopedValueRollback<bool> syncing(m_syncing, true);
        rows->setCurrentRow(current.row());
    }
    if (rows->currentRow() != current.row()) {
        // The model did not go there (or went elsewhere): follow it once the
        // view has finished handling the click or key.
        QTimer::singleShot(0, this, [this] { syncFromModel(); });
    }
}

void DataGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    const bool onRow = indexAt(event->position().toPoint()).isValid();
    QTableView::mouseDoubleClickEvent(event);
    if (onRow)
        Q_EMIT dblClick();
}

} // namespace tarvo::ui
