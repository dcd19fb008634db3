#pragma once

#include "data/FieldDef.h"
#include "ui/Form.h"
#include "ui/GridColumn.h"

#include <QList>
#include <QString>

#include <functional>

class QFrame;
class QProgressBar;
class QStatusBar;

namespace tarvo {

class DataSet;
class DataSetModel;

namespace ui {
class DataGrid;
class FlatButton;
} // namespace ui

// A directory list window: a read-only grid over a fresh read of one table,
// sorted by the store on a title click, with "&Добавить", "&Изменить",
// "&Удалить" and "&Выход" in the bottom panel. The distributors list and the
// goods list are built on it; each supplies its table, columns and the
// add, change and delete commands with its own dialog and procedures.
//
// The query text is always two lines: the select line and an order line.
// Every showing starts in code order with only the code column (the first)
// marked down. A title click re-reads the table ordered by the clicked column:
// descending when the column was marked down, ascending otherwise; the grid
// then moves the marker. Add, change and delete keep the order in effect and
// re-read the list afterwards (reReadAfterAdd, reReadAfterChange,
// reReadAfterDelete).
class SortableListForm : public ui::Form
{
    Q_OBJECT
public:
    // One grid column: the field it shows, its title, design width (0: the
    // grid's default), cell alignment and whether a boolean is drawn as a
    // check box. Every title is a centred sort button.
    struct Column
    {
        QString field;
        QString title;
        int width = 0;
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
        bool checkBox = false;
        // Without a width: the field's own display width in characters
        // (a 50-character name, a 10-character price or date).
        int displayChars = 10;
    };

    // What a list window is made of.
    struct Layout
    {
        QString objectName;
        QString caption;
        int width = 0;
        int height = 0;
        QString gridName;       // ehg...
        QString queryName;      // aq...
        QString sourceName;     // ds...: the grid's model over the query
        QString selectLine;     // first line of the query text
        QString codeOrderLine;  // the order line set on every showing
        QList<Column> columns;  // in display order, the code column first
        QList<FieldDef> fields; // types and display formats of the query's fields
    };

    SortableListForm(const Layout &layout, QWidget *parent = nullptr);
    ~SortableListForm() override;

protected:
    void formShow() override { FormShow(); }
    void formClose() override { FormClose(); }
    bool eventFilter(QObject *watched, QEvent *event) override;

    // Resets the order to the code order, marks the code column, opens the
    // query and sets the buttons.
    void FormShow();
    // Closes the query.
    void FormClose();
    // "&Изменить" and "&Удалить" are enabled exactly when the query is open
    // and holds a row.
    void CheckButtons();
    void SpeedButton4Click();

    // The commands of the window, run on the buttons (and "&Изменить" on a
    // double click in the grid while it is enabled). Errors they do not
    // handle go to the error box.
    virtual void sbAddClick() = 0;
    virtual void sbChangeClick() = 0;
    virtual void sbDeleteClick() = 0;

    // Shows the edit `dialog` until its entry is stored or the user cancels.
    // `store` runs the window's procedure with the dialog's entry; when the
    // store refuses, its message goes to the error box and the dialog comes
    // back holding what was typed, so nothing typed is lost.
    // True once `store` succeeded.
    bool editUntilStored(ui::Form *dialog, const std::function<void()> &store);

    // The title click of the grid (ehgDistributorsTitleBtnClick,
    // ehgGoodsTitleBtnClick): re-reads the table ordered by the clicked
    // column, descending when it was marked down at the click, ascending
    // otherwise. The grid moves the marker afterwards.
    void gridTitleBtnClick(int column, ui::SortMarker markerAtClick);
    // A double click anywhere in the grid (ehgDistributorsDblClick,
    // ehgGoodsDblClick): "&Изменить" while it is enabled.
    void gridDblClick();

    // Re-reads after a change of data; the order in effect stays.
    // After add and delete the cursor is on the first row.
    void reReadAfterAdd();
    void reReadAfterDelete();
    // Back to the row number the cursor had when the list has that many
    // rows, otherwise on the first row.
    void reReadAfterChange();

    DataSet *query() const { return m_query; }
    DataSetModel *source() const { return m_source; }
    ui::DataGrid *grid() const { return m_grid; }

    ui::FlatButton *sbAdd;
    ui::FlatButton *sbChange;
    ui::FlatButton *sbDelete;
    ui::FlatButton *SpeedButton4;
    QFrame *Panel1;
    QProgressBar *ProgressBar1;
    QStatusBar *StatusBar1;

private:
    void reopenWithOrder(const QString &orderLine);
    void reRead();

    Layout m_layout;
    DataSet *m_query;
    DataSetModel *m_source;
    ui::DataGrid *m_grid;
};

} // namespace tarvo
