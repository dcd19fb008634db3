#pragma once

#include <QColor>
#include <QMetaType>
#include <QString>

namespace tarvo::ui {

// The sort marker drawn in a column title. Down goes with ascending order by
// the column, Up with descending order. At most one column of a grid is marked.
enum class SortMarker { None, Down, Up };

// One column of a DataGrid: which model column it shows and how.
struct GridColumn
{
    int field = -1;           // model column shown; each model column at most once
    // Title; "|" separates title levels, top level first ("Позиции|Сумма|4").
    QString title;
    int width = 0;            // design width in pixels; 0: the grid's default width
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;   // cells
    Qt::Alignment titleAlignment = Qt::AlignCenter;
    bool titleButton = false; // the title is a button: clickable, carries a sort marker
    bool checkBox = false;    // boolean cells drawn as a centred read-only check box
    bool readOnly = false;    // never edited in place, even in an editable grid
    bool bold = false;        // cells in a bold font
    QColor background;        // cell background; invalid: the grid's own

    static GridColumn make(int field, const QString &title, int width = 0,
                           Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
    {
        GridColumn c;
        c.field = field;
        c.title = title;
        c.width = width;
        c.alignment = alignment;
        return c;
    }
};

} // namespace tarvo::ui

Q_DECLARE_METATYPE(tarvo::ui::SortMarker)
