#pragma once

#include <QStyledItemDelegate>

namespace tarvo::ui {

class DataGrid;
struct GridColumn;

// Draws and edits the cells of a DataGrid after its column definitions: one
// text line per cell (line breaks shown as blanks), the column's alignment,
// bold font and background, boolean cells as a centred read-only check box,
// text that does not fit cut with an ellipsis and shown whole in a tool tip.
// Read-only and check-box columns get no editor.
class GridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit GridDelegate(DataGrid *grid);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

    // The whole text of the cell when the cell cuts it; empty when it fits.
    QString cutText(const QStyleOptionViewItem &option, const QModelIndex &index) const;
    // The text as a cell shows it: trailing line breaks dropped, inner ones as blanks.
    static QString singleLine(const QString &text);

protected:
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

private:
    const GridColumn *columnOf(const QModelIndex &index) const;
    // Applies the column's look to `opt`; returns the full display text.
    QString prepare(QStyleOptionViewItem &opt, const QModelIndex &index) const;
    QRect textRect(const QStyleOptionViewItem &opt) const;

    DataGrid *m_grid;
};

} // namespace tarvo::ui
