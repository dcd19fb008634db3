#include "data/CurrentRowModel.h"
#include "ui/DataGrid.h"
#include "ui/GridHeader.h"
#include "ui/RowIndicator.h"

#include <QHelpEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>
#include <QToolTip>

using namespace tarvo;
using namespace tarvo::ui;

namespace {

// A table of generated texts with a current row, standing in for a data set.
class FakeRows : public CurrentRowModel
{
public:
    explicit FakeRows(int rows, int columns = 3)
        : m_rows(rows), m_columns(columns) {}

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : m_rows; }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : m_columns; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::DisplayRole)
            return QStringLiteral("r%1c%2").arg(index.row()).arg(index.column());
        return {};
    }
    int currentRow() const override { return m_current; }
    void setCurrentRow(int row) override
    {
        ++setCalls;
        if (refuse || row == m_current)
            return;
        m_current = row;
        Q_EMIT currentRowChanged(row);
    }
    // The data set moving by itself (a re-read, a locate).
    void moveTo(int row)
    {
        m_current = row;
        Q_EMIT currentRowChanged(row);
    }
    void reload(int rows, int current)
    {
        beginResetModel();
        m_rows = rows;
        m_current = current;
        endResetModel();
    }

    int setCalls = 0;
    bool refuse = false;

private:
    int m_rows;
    int m_columns;
    int m_current = 0;
};

QList<GridColumn> buttonColumns(int count)
{
    QList<GridColumn> columns;
    for (int c = 0; c < count; ++c) {
        GridColumn column = GridColumn::make(c, QStringLiteral("Колонка %1").arg(c), 100);
        column.titleButton = true;
        columns << column;
    }
    return columns;
}

// Centre of the lowest title line of a column, in header viewport coordinates.
QPoint leafPoint(const DataGrid &grid, int column)
{
    const GridHeader *header = grid.titleHeader();
    const int logical = grid.modelColumn(column);
    return QPoint(header->sectionViewportPosition(logical) + header->sectionSize(logical) / 2,
                  header->height() - header->lineHeight() / 2);
}

// A double click as the window system delivers it: press, release, double
// click, release.
void doubleClick(QWidget *widget, const QPoint &pos)
{
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, pos);
}

int sumOfWidths(const DataGrid &grid)
{
    int sum = 0;
    for (int c = 0; c < grid.gridColumnCount(); ++c)
        sum += grid.columnWidth(grid.modelColumn(c));
    return sum;
}

} // namespace

class TestDataGrid : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void titleClickMovesMarker_data();
    void titleClickMovesMarker();
    void titleClickIgnoredOnPlainTitlesAndMergedCells();
    void autoMarkingOff();
    void markerApiKeepsOneColumnMarked();
    void mergedTitles_data();
    void mergedTitles();
    void headerGrowsWithLevels();
    void columnsFillViewport();
    void userResizeKeepsFilling();
    void columnsFollowDefinitions();
    void columnsBeforeModel();
    void editingFollowsSwitchAndReadOnlyColumns();
    void cellToolTipOnlyWhenCut();
    void titleToolTipOnlyWhenCut();
    void clickMovesModelRow();
    void modelMovesGrid();
    void resetKeepsModelRow();
    void refusedMoveReturnsToModelRow();
    void doubleClickOnRowsOnly();
    void rowIndicatorFollowsCurrentRow();
};

void TestDataGrid::titleClickMovesMarker_data()
{
    QTest::addColumn<int>("markedColumn");
    QTest::addColumn<SortMarker>("marked");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<bool>("ctrl");
    QTest::addColumn<SortMarker>("reported");
    QTest::addColumn<SortMarker>("after");

    QTest::newRow("none -> down") << -1 << SortMarker::None << 1 << false << SortMarker::None << SortMarker::Down;
    QTest::newRow("down -> up") << 1 << SortMarker::Down << 1 << false << SortMarker::Down << SortMarker::Up;
    QTest::newRow("up -> down") << 1 << SortMarker::Up << 1 << false << SortMarker::Up << SortMarker::Down;
    QTest::newRow("ctrl: up -> none") << 1 << SortMarker::Up << 1 << true << SortMarker::Up << SortMarker::None;
    QTest::newRow("ctrl: none -> down") << -1 << SortMarker::None << 1 << true << SortMarker::None << SortMarker::Down;
    QTest::newRow("ctrl: down -> up") << 1 << SortMarker::Down << 1 << true << SortMarker::Down << SortMarker::Up;
    QTest::newRow("other column loses its down") << 0 << SortMarker::Down << 2 << false << SortMarker::None << SortMarker::Down;
    QTest::newRow("other column loses its up") << 2 << SortMarker::Up << 0 << false << SortMarker::None << SortMarker::Down;
    QTest::newRow("ctrl on unmarked, other marked") << 0 << SortMarker::Up << 1 << true << SortMarker::None << SortMarker::Down;
}

void TestDataGrid::titleClickMovesMarker()
{
    QFETCH(int, markedColumn);
    QFETCH(SortMarker, marked);
    QFETCH(int, clicked);
    QFETCH(bool, ctrl);
    QFETCH(SortMarker, reported);
    QFETCH(SortMarker, after);

    FakeRows model(3);
    DataGrid grid;
    grid.setModel(&model);
    grid.setColumns(buttonColumns(3));
    grid.resize(500, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    if (markedColumn >= 0)
        grid.setSortMarker(markedColumn, marked);

    // What the handler sees while the signal runs: the marker has not moved yet.
    QList<SortMarker> seenDuringSignal;
    connect(&grid, &DataGrid::titleBtnClick, &grid,
            [&](int column, SortMarker, Qt::KeyboardModifiers) { seenDuringSignal << grid.sortMarker(column); });
    QSignalSpy spy(&grid, &DataGrid::titleBtnClick);

    QTest::mouseClick(grid.titleHeader()->viewport(), Qt::LeftButton,
                      ctrl ? Qt::ControlModifier : Qt::NoModifier, leafPoint(grid, clicked));

    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), clicked);
    QCOMPARE(spy.at(0).at(1).value<SortMarker>(), reported);
    QCOMPARE(bool(spy.at(0).at(2).value<Qt::KeyboardModifiers>() & Qt::ControlModifier), ctrl);
    QCOMPARE(seenDuringSignal, QList<SortMarker>{reported});
    for (int c = 0; c < 3; ++c)
        QCOMPARE(grid.sortMarker(c), c == clicked ? after : SortMarker::None);
    QCOMPARE(grid.titleHeader()->sortMarker(grid.modelColumn(clicked)), after);
}

void TestDataGrid::titleClickIgnoredOnPlainTitlesAndMergedCells()
{
    FakeRows model(2, 3);
    DataGrid grid;
    grid.setModel(&model);
    QList<GridColumn> columns;
    columns << GridColumn::make(0, QStringLiteral("Код|1"), 100)
            << GridColumn::make(1, QStringLiteral("Дистрибьютор|ФИО|2"), 100)
            << GridColumn::make(2, QStringLiteral("Дистрибьютор|Адрес|3"), 100);
    columns[1].titleButton = true;
    columns[2].titleButton = true;
    grid.setColumns(columns);
    grid.resize(500, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy spy(&grid, &DataGrid::titleBtnClick);
    QWidget *bar = grid.titleHeader()->viewport();

    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, leafPoint(grid, 0));   // not a button
    const QPoint top(leafPoint(grid, 1).x(), 2);                                    // "Дистрибьютор", merged
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, top);
    QCOMPARE(spy.size(), 0);
    QCOMPARE(grid.sortMarker(0), SortMarker::None);
    QCOMPARE(grid.sortMarker(1), SortMarker::None);

    // The column's own middle line ("ФИО") is part of its button.
    const QPoint middle(leafPoint(grid, 1).x(), grid.titleHeader()->height() / 2);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, middle);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 1);
    QCOMPARE(grid.sortMarker(1), SortMarker::Down);
}

void TestDataGrid::autoMarkingOff()
{
    FakeRows model(2);
    DataGrid grid;
    grid.setModel(&model);
    grid.setColumns(buttonColumns(3));
    grid.setAutoSortMarking(false);
    grid.resize(500, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.setSortMarker(0, SortMarker::Down);
    QSignalSpy spy(&grid, &DataGrid::titleBtnClick);
    QTest::mouseClick(grid.titleHeader()->viewport(), Qt::LeftButton, Qt::NoModifier, leafPoint(grid, 1));
    QCOMPARE(spy.size(), 1);
    QCOMPARE(grid.sortMarker(0), SortMarker::Down);
    QCOMPARE(grid.sortMarker(1), SortMarker::None);
}

void TestDataGrid::markerApiKeepsOneColumnMarked()
{
    FakeRows model(2);
    DataGrid grid;
    grid.setModel(&model);
    grid.setColumns(buttonColumns(3));
    grid.setSortMarker(0, SortMarker::Down);
    grid.setSortMarker(2, SortMarker::Up);
    QCOMPARE(grid.sortMarker(0), SortMarker::None);
    QCOMPARE(grid.sortMarker(2), SortMarker::Up);
    grid.setSortMarker(0, SortMarker::None);           // clearing another column changes nothing
    QCOMPARE(grid.sortMarker(2), SortMarker::Up);
    // Markers belong to the grid: a re-read of the model keeps them.
    model.reload(5, 0);
    QCOMPARE(grid.sortMarker(2), SortMarker::Up);
    QCOMPARE(grid.titleHeader()->sortMarker(2), SortMarker::Up);
    grid.clearSortMarkers();
    for (int c = 0; c < 3; ++c)
        QCOMPARE(grid.sortMarker(c), SortMarker::None);
}

void TestDataGrid::mergedTitles_data()
{
    QTest::addColumn<QStringList>("titles");
    // Quadruples: column, level, first and last column of the cell holding that level.
    QTest::addColumn<QList<int>>("spans");

    QTest::newRow("orders grid")
        << QStringList{QStringLiteral("Номер заказа | 1"), QStringLiteral("Дата Заказа|2"),
                       QStringLiteral("Позиции|Количество|3"), QStringLiteral("Позиции|Сумма|4"),
                       QStringLiteral("Дистрибьютор|Код|5"), QStringLiteral("Дистрибьютор|ФИО|6"),
                       QStringLiteral("Дистрибьютор|Адрес|7"), QStringLiteral("Дистрибьютор|Телефон|8")}
        << QList<int>{0, 0, 0, 0,   1, 0, 1, 1,   2, 0, 2, 3,   3, 0, 2, 3,   2, 1, 2, 2,
                      2, 2, 2, 2,   4, 0, 4, 7,   7, 0, 4, 7,   5, 1, 5, 5,   6, 2, 6, 6};
    QTest::newRow("second level shared too")
        << QStringList{QStringLiteral("A|B|1"), QStringLiteral("A|B|2"), QStringLiteral("A|C|3")}
        << QList<int>{0, 0, 0, 2,   0, 1, 0, 1,   1, 1, 0, 1,   2, 1, 2, 2,   1, 2, 1, 1};
    QTest::newRow("same middle under different tops")
        << QStringList{QStringLiteral("A|X|1"), QStringLiteral("B|X|2")}
        << QList<int>{0, 1, 0, 0,   1, 1, 1, 1,   0, 0, 0, 0};
    QTest::newRow("not adjacent")
        << QStringList{QStringLiteral("A|1"), QStringLiteral("B|2"), QStringLiteral("A|3")}
        << QList<int>{0, 0, 0, 0,   2, 0, 2, 2};
    QTest::newRow("equal lowest levels stay apart")
        << QStringList{QStringLiteral("Сумма"), QStringLiteral("Сумма")}
        << QList<int>{0, 0, 0, 0,   1, 0, 1, 1};
    QTest::newRow("different depth")
        << QStringList{QStringLiteral("A|1"), QStringLiteral("A|B|2")}
        << QList<int>{0, 0, 0, 0,   1, 0, 1, 1};
}

void TestDataGrid::mergedTitles()
{
    QFETCH(QStringList, titles);
    QFETCH(QList<int>, spans);

    FakeRows model(1, int(titles.size()));
    DataGrid grid;
    grid.setModel(&model);
    QList<GridColumn> columns;
    for (int c = 0; c < titles.size(); ++c)
        columns << GridColumn::make(c, titles.at(c), 60);
    grid.setColumns(columns);
    grid.resize(700, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const GridHeader *header = grid.titleHeader();

    for (int i = 0; i + 3 < spans.size(); i += 4) {
        const int column = spans.at(i);
        const int level = spans.at(i + 1);
        const GridHeader::TitleCell cell = header->titleCell(grid.modelColumn(column), level);
        const QString where = QStringLiteral("column %1 level %2").arg(column).arg(level);
        QVERIFY2(cell.firstLogical == grid.modelColumn(spans.at(i + 2)), qPrintable(where));
        QVERIFY2(cell.lastLogical == grid.modelColumn(spans.at(i + 3)), qPrintable(where));
        // The point in the middle of the cell's rectangle finds the same cell.
        const auto found = header->titleCellAt(header->titleCellRect(cell).center());
        QVERIFY2(found && found->firstLogical == cell.firstLogical && found->lastLogical == cell.lastLogical
                     && found->level == cell.level,
                 qPrintable(where));
    }
}

void TestDataGrid::headerGrowsWithLevels()
{
    FakeRows model(1, 3);
    DataGrid grid;
    grid.setModel(&model);
    grid.setColumns({GridColumn::make(0, QStringLiteral("Код")), GridColumn::make(1, QStringLiteral("ФИО")),
                     GridColumn::make(2, QStringLiteral("Адрес"))});
    const GridHeader *header = grid.titleHeader();
    QCOMPARE(header->levelCount(), 1);
    const int oneLine = header->sizeHint().height();
    QCOMPARE(oneLine, header->lineHeight());

    grid.setColumns({GridColumn::make(0, QStringLiteral("Товар|Код|1")),
                     GridColumn::make(1, QStringLiteral("Товар|Наименование|2")),
                     GridColumn::make(2, QStringLiteral("Сумма|3"))});
    QCOMPARE(header->levelCount(), 3);
    QCOMPARE(header->sizeHint().height(), 3 * oneLine);
    grid.resize(400, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QCOMPARE(header->height(), 3 * oneLine);
    // A two-level title in a three-line bar: its lowest level in the bottom
    // line, its top level over the two lines above.
    const GridHeader::TitleCell top = header->titleCell(2, 0);
    QCOMPARE(top.firstRow, 0);
    QCOMPARE(top.lastRow, 1);
    QCOMPARE(header->titleCell(2, 1).firstRow, 2);
}

void TestDataGrid::columnsFillViewport()
{
    FakeRows model(3);
    DataGrid grid;
    grid.setModel(&model);
    grid.setColumns({GridColumn::make(0, QStringLiteral("А"), 100), GridColumn::make(1, QStringLiteral("Б"), 200),
                     GridColumn::make(2, QStringLiteral("В"))});   // default width
    grid.resize(700, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    for (int width : {700, 450, 1000}) {
        grid.resize(width, 300);
        QCoreApplication::processEvents();
        const int available = grid.viewport()->width();
        QCOMPARE(sumOfWidths(grid), available);
        const double total = 100 + 200 + DataGrid::DefaultColumnWidth;
        QVERIFY(qAbs(grid.columnWidth(0) - 100 * available / total) <= 1.0);
        QVERIFY(qAbs(grid.columnWidth(1) - 200 * available / total) <= 1.0);
        QVERIFY(qAbs(grid.columnWidth(2) - DataGrid::DefaultColumnWidth * available / total) <= 1.0);
    }

    // A row indicator takes width from the viewport; the columns follow.
    grid.setRowIndicatorShown(true);
    QCoreApplication::processEvents();
    QCOMPARE(sumOfWidths(grid), grid.viewport()->width());
}

void TestDataGrid::userResizeKeepsFilling()
{
    FakeRows model(3);
    DataGrid grid;
    grid.setModel(&model);
    grid.setColumns({GridColumn::make(0, QStringLiteral("А"), 100), GridColumn::make(1, QStringLiteral("Б"), 200),
                     GridColumn::make(2, QStringLiteral("В"), 100)});
    grid.resize(600, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const int available = grid.viewport()->width();

    // Drag the right edge of the first column 40 pixels to the left.
    GridHeader *header = grid.titleHeader();
    const int edge = header->sectionViewportPosition(0) + header->sectionSize(0) - 1;
    const int before = grid.columnWidth(0);
    const int y = header->height() / 2;
    QTest::mousePress(header->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(edge, y));
    QTest::mouseMove(header->viewport(), QPoint(edge - 40, y));
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(edge - 40, y));
    QCOMPARE(grid.columnWidth(0), before - 40);
    QCOMPARE(sumOfWidths(grid), available);
    // The columns to the right share the freed width in their old proportion 2 : 1.
    QVERIFY(qAbs(grid.columnWidth(1) - 2 * grid.columnWidth(2)) <= 2);

    // The new widths are the design from now on: a wider grid keeps their proportions.
    const int first = grid.columnWidth(0);
    const int second = grid.columnWidth(1);
    grid.resize(900, 300);
    QCoreApplication::processEvents();
    QCOMPARE(sumOfWidths(grid), grid.viewport()->width());
    const double scale = double(grid.viewport()->width()) / available;
    QVERIFY(qAbs(grid.columnWidth(0) - first * scale) <= 1.5);
    QVERIFY(qAbs(grid.columnWidth(1) - second * scale) <= 1.5);
}

void TestDataGrid::columnsFollowDefinitions()
{
    FakeRows model(2, 5);
    DataGrid grid;
    grid.setModel(&model);
    // Model columns 0, 1, 2, 4, 3 in this order; none shown twice; column 4 then 3.
    grid.setColumns({GridColumn::make(0, QStringLiteral("Код")), GridColumn::make(1, QStringLiteral("ФИО")),
                     GridColumn::make(4, QStringLiteral("Телефон")), GridColumn::make(3, QStringLiteral("Дата"))});
    QCOMPARE(grid.gridColumnCount(), 4);
    QVERIFY(grid.isColumnHidden(2));
    QCOMPARE(grid.horizontalHeader()->visualIndex(4), 2);
    QCOMPARE(grid.horizontalHeader()->visualIndex(3), 3);
    QCOMPARE(grid.gridColumnOf(4), 2);
    QCOMPARE(grid.gridColumnOf(2), -1);
    // A model reset rebuilds the header sections; the definitions are applied again.
    model.reload(3, 0);
    QVERIFY(grid.isColumnHidden(2));
    QCOMPARE(grid.horizontalHeader()->visualIndex(4), 2);
    QCOMPARE(grid.titleHeader()->titleLevels(4), QStringList{QStringLiteral("Телефон")});
}

void TestDataGrid::columnsBeforeModel()
{
    // A window may define its columns before it hands the grid a model.
    FakeRows model(2, 3);
    DataGrid grid;
    grid.setColumns({GridColumn::make(2, QStringLiteral("Цена")), GridColumn::make(0, QStringLiteral("Код"))});
    grid.setSortMarker(1, SortMarker::Down);
    grid.setModel(&model);
    QVERIFY(grid.isColumnHidden(1));
    QCOMPARE(grid.horizontalHeader()->visualIndex(2), 0);
    QCOMPARE(grid.horizontalHeader()->visualIndex(0), 1);
    QCOMPARE(grid.titleHeader()->sortMarker(0), SortMarker::Down);
}

void TestDataGrid::editingFollowsSwitchAndReadOnlyColumns()
{
    QStandardItemModel model(2, 2);
    model.setData(model.index(0, 0), QStringLiteral("Утюг"));
    model.setData(model.index(0, 1), QStringLiteral("150"));
    DataGrid grid;
    grid.setModel(&model);
    GridColumn fixed = GridColumn::make(1, QStringLiteral("Цена"));
    fixed.readOnly = true;
    grid.setColumns({GridColumn::make(0, QStringLiteral("Наименование")), fixed});
    grid.resize(400, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const auto editorOpen = [&] {
        const QLineEdit *editor = grid.viewport()->findChild<QLineEdit *>();
        return editor && editor->isVisible();
    };

    doubleClick(grid.viewport(), grid.visualRect(model.index(0, 0)).center());
    QVERIFY(!editorOpen());   // read-only by default

    grid.setEditable(true);
    doubleClick(grid.viewport(), grid.visualRect(model.index(0, 1)).center());
    QVERIFY(!editorOpen());   // a read-only column
    doubleClick(grid.viewport(), grid.visualRect(model.index(0, 0)).center());
    QVERIFY(editorOpen());
}

void TestDataGrid::cellToolTipOnlyWhenCut()
{
    QStandardItemModel model(3, 2);
    const QString longText = QStringLiteral("Очень длинное наименование товара, которое не помещается");
    model.setData(model.index(0, 0), longText);
    model.setData(model.index(1, 0), QStringLiteral("7"));
    model.setData(model.index(0, 1), longText);
    model.setData(model.index(1, 1), QStringLiteral("ул. Ленина, 1\r\nкв. 5\r\n"));
    DataGrid grid;
    grid.setModel(&model);
    grid.setColumns({GridColumn::make(0, QStringLiteral("Узкая"), 60), GridColumn::make(1, QStringLiteral("Широкая"), 540)});
    grid.resize(620, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QVERIFY(grid.columnWidth(1) > grid.fontMetrics().horizontalAdvance(longText) + 20);

    QCOMPARE(grid.cellToolTip(model.index(0, 0)), longText);
    QCOMPARE(grid.cellToolTip(model.index(1, 0)), QString());
    QCOMPARE(grid.cellToolTip(model.index(0, 1)), QString());
    // An address with line breaks shows on one line and fits.
    QCOMPARE(grid.cellToolTip(model.index(1, 1)), QString());

    // The viewport's tool-tip event shows exactly that.
    QHelpEvent cut(QEvent::ToolTip, grid.visualRect(model.index(0, 0)).center(),
                   grid.viewport()->mapToGlobal(grid.visualRect(model.index(0, 0)).center()));
    QCoreApplication::sendEvent(grid.viewport(), &cut);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), longText);
    QHelpEvent fits(QEvent::ToolTip, grid.visualRect(model.index(1, 0)).center(),
                    grid.viewport()->mapToGlobal(grid.visualRect(model.index(1, 0)).center()));
    QCoreApplication::sendEvent(grid.viewport(), &fits);
    QTRY_VERIFY(!QToolTip::isVisible());
}

void TestDataGrid::titleToolTipOnlyWhenCut()
{
    FakeRows model(1, 2);
    DataGrid grid;
    grid.setModel(&model);
    const QString longTitle = QStringLiteral("Наименование товара полностью");
    grid.setColumns({GridColumn::make(0, longTitle, 40), GridColumn::make(1, longTitle, 560)});
    grid.resize(620, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QCOMPARE(grid.titleToolTip(leafPoint(grid, 0)), longTitle);
    QCOMPARE(grid.titleToolTip(leafPoint(grid, 1)), QString());
}

void TestDataGrid::clickMovesModelRow()
{
    FakeRows model(5);
    DataGrid grid;
    grid.setModel(&model);
    grid.resize(400, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QCOMPARE(grid.currentIndex().row(), 0);

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier,
                      grid.visualRect(model.index(2, 1)).center());
    QCOMPARE(model.currentRow(), 2);
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(model.currentRow(), 3);
    QCOMPARE(grid.selectionModel()->selectedRows().size(), 1);
    QCOMPARE(grid.selectionModel()->selectedRows().first().row(), 3);
}

void TestDataGrid::modelMovesGrid()
{
    FakeRows model(200);
    DataGrid grid;
    grid.setModel(&model);
    grid.resize(400, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const int callsBefore = model.setCalls;

    model.moveTo(150);
    QCOMPARE(grid.currentIndex().row(), 150);
    QVERIFY(grid.selectionModel()->isRowSelected(150, {}));
    QCOMPARE(grid.selectionModel()->selectedRows().size(), 1);
    QVERIFY(grid.viewport()->rect().intersects(grid.visualRect(model.index(150, 0))));
    // Following the model does not call back into it.
    QCOMPARE(model.setCalls, callsBefore);
}

void TestDataGrid::resetKeepsModelRow()
{
    FakeRows model(5);
    DataGrid grid;
    grid.setModel(&model);
    grid.resize(400, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const int callsBefore = model.setCalls;

    model.reload(8, 6);
    QCOMPARE(grid.currentIndex().row(), 6);
    QVERIFY(grid.selectionModel()->isRowSelected(6, {}));
    model.reload(0, -1);
    QVERIFY(!grid.currentIndex().isValid());
    QVERIFY(grid.selectionModel()->selectedRows().isEmpty());
    model.reload(3, 0);
    QCOMPARE(grid.currentIndex().row(), 0);
    QCOMPARE(model.setCalls, callsBefore);
}

void TestDataGrid::refusedMoveReturnsToModelRow()
{
    FakeRows model(5);
    DataGrid grid;
    grid.setModel(&model);
    grid.resize(400, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    model.refuse = true;
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier,
                      grid.visualRect(model.index(3, 0)).center());
    QCOMPARE(model.currentRow(), 0);
    QTRY_COMPARE(grid.currentIndex().row(), 0);
    QVERIFY(grid.selectionModel()->isRowSelected(0, {}));
}

void TestDataGrid::doubleClickOnRowsOnly()
{
    FakeRows model(2);
    DataGrid grid;
    grid.setModel(&model);
    grid.resize(400, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy spy(&grid, &DataGrid::dblClick);
    doubleClick(grid.viewport(), grid.visualRect(model.index(1, 2)).center());
    QCOMPARE(spy.size(), 1);
    QCOMPARE(model.currentRow(), 1);
    // Below the last row there is no row to act on.
    doubleClick(grid.viewport(), QPoint(10, grid.viewport()->height() - 5));
    QCOMPARE(spy.size(), 1);
}

void TestDataGrid::rowIndicatorFollowsCurrentRow()
{
    FakeRows model(4);
    DataGrid grid;
    grid.setModel(&model);
    QVERIFY(!grid.isRowIndicatorShown());
    grid.setRowIndicatorShown(true);
    grid.resize(400, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QVERIFY(grid.rowIndicator()->isVisible());
    QVERIFY(grid.rowIndicator()->width() < 20);
    model.moveTo(2);
    QCOMPARE(grid.rowIndicator()->currentRow(), 2);
    QTest::keyClick(&grid, Qt::Key_Up);
    QCOMPARE(grid.rowIndicator()->currentRow(), 1);
}

QTEST_MAIN(TestDataGrid)
#include "tst_ui_datagrid.moc"
