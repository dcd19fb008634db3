#pragma once

#include <QHeaderView>

namespace tarvo::ui {

// The narrow row indicator at the left of a DataGrid: a vertical header that
// marks the current row (a triangle while browsing, an I-beam while the row
// is edited, an asterisk while it is being inserted).
class RowIndicator : public QHeaderView
{
    Q_OBJECT
public:
    enum class Mark { Browse, Edit, Insert };

    explicit RowIndicator(QWidget *parent = nullptr);

    void setCurrentRow(int row);
    int currentRow() const { return m_row; }
    void setMark(Mark mark);
    Mark mark() const { return m_mark; }

    QSize sizeHint() const override;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    int m_row = -1;
    Mark m_mark = Mark::Browse;
};

} // namespace tarvo::ui
