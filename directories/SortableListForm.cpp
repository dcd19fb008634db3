#include "directories/SortableListForm.h"

#include "data/DataSet.h"
#include "data/DataSetModel.h"
#include "directories/DirectoriesSql.h"
#include "ui/DataGrid.h"
#include "ui/FlatButton.h"
#include "ui/Guard.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QStatusBar>
#include <QVBoxLayout>

namespace tarvo {

namespace {

constexpr int PanelHeight = 41;
constexpr int ButtonWidth = 109;
constexpr int ButtonHeight = 33;
constexpr int ProgressWidth = 150;
constexpr int StatusPanelWidth = 50;

ui::FlatButton *listButton(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new ui::FlatButton(caption, parent);
    button->setObjectName(name);
    button->setFixedSize(ButtonWidth, ButtonHeight);
    return button;
}

} // namespace

SortableListForm::SortableListForm(const Layout &layout, QWidget *parent)
    : ui::Form(layout.objectName, layout.caption, layout.width, layout.height, parent)
    , m_layout(layout)
    , m_query(new DataSet(layout.queryName, this))
{
    m_query->setSql({layout.selectLine, layout.codeOrderLine});
    m_query->setFieldDefs(layout.fields);

    QStringList fields;
    QList<ui::GridColumn> columns;
    for (const Column &c : layout.columns) {
        const int width = c.width > 0 ? c.width
                                      : fontMetrics().horizontalAdvance(QLatin1Char('0')) * c.displayChars + 4;
        ui::GridColumn column = ui::GridColumn::make(int(fields.size()), c.title, width, c.alignment);
        column.titleAlignment = Qt::AlignCenter;
        column.titleButton = true;
        column.checkBox = c.checkBox;
        column.readOnly = true;
        columns << column;
        fields << c.field;
    }
    m_source = new DataSetModel(m_query, this);
    m_source->setObjectName(layout.sourceName);
    m_source->setFields(fields);

    m_grid = new ui::DataGrid(this);
    m_grid->setObjectName(layout.gridName);
    m_grid->setModel(m_source);
    m_grid->setColumns(columns);
    m_grid->setAutoSortMarking(true);
    m_grid->setEditable(false);
    m_grid->setRowIndicatorShown(false);
    connect(m_grid, &ui::DataGrid::titleBtnClick, this,
            [this](int column, ui::SortMarker markerAtClick, Qt::KeyboardModifiers) {
                gridTitleBtnClick(column, markerAtClick);
            });
    // A double click anywhere in the cell area, below the last row included.
    m_grid->viewport()->installEventFilter(this);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setFixedHeight(PanelHeight);
    sbAdd = listButton(QStringLiteral("sbAdd"), QStringLiteral("&Добавить"), Panel1);
    sbChange = listButton(QStringLiteral("sbChange"), QStringLiteral("&Изменить"), Panel1);
    sbDelete = listButton(QStringLiteral("sbDelete"), QStringLiteral("&Удалить"), Panel1);
    SpeedButton4 = listButton(QStringLiteral("SpeedButton4"), QStringLiteral("&Выход"), Panel1);
    // Nothing drives it: it stays empty.
    ProgressBar1 = new QProgressBar(Panel1);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setFixedWidth(ProgressWidth);

    auto *panelRow = new QHBoxLayout(Panel1);
    panelRow->setContentsMargins(3, 3, 3, 3);
    panelRow->setSpacing(1);
    panelRow->addWidget(sbAdd);
    panelRow->addWidget(sbChange);
    panelRow->addWidget(sbDelete);
    panelRow->addStretch(1);
    panelRow->addWidget(ProgressBar1);
    panelRow->addSpacing(8);
    panelRow->addWidget(SpeedButton4);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 0; i < 2; ++i) {
        // Two panels nothing writes to.
        auto *panel = new QLabel(StatusBar1);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        panel->setFixedWidth(StatusPanelWidth);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        StatusBar1->addWidget(panel);
    }

    auto *main = new QVBoxLayout(this);
    main->setContentsMargins(0, 0, 0, 0);
    main->setSpacing(0);
    main->addWidget(m_grid, 1);
    main->addWidget(Panel1);
    main->addWidget(StatusBar1);

    connect(sbAdd, &QToolButton::clicked, this, [this] { ui::guard([this] { sbAddClick(); }); });
    connect(sbChange, &QToolButton::clicked, this, [this] { ui::guard([this] { sbChangeClick(); }); });
    connect(sbDelete, &QToolButton::clicked, this, [this] { ui::guard([this] { sbDeleteClick(); }); });
    connect(SpeedButton4, &QToolButton::clicked, this, &SortableListForm::SpeedButton4Click);
}

SortableListForm::~SortableListForm() = default;

void SortableListForm::FormShow()
{
    m_query->close();
    m_query->setSql({m_layout.selectLine, m_layout.codeOrderLine});
    m_grid->clearSortMarkers();
    m_grid->setSortMarker(0, ui::SortMarker::Down);
    m_query->open();
    CheckButtons();
}

void SortableListForm::FormClose()
{
    m_query->close();
}

void SortableListForm::CheckButtons()
{
    const bool rows = m_query->isActive() && !m_query->isEmpty();
    sbChange->setEnabled(rows);
    sbDelete->setEnabled(sbChange->isEnabled());
}

void SortableListForm::SpeedButton4Click()
{
    close();
}

void SortableListForm::reopenWithOrder(const QString &orderLine)
{
    m_query->close();
    QStringList lines = m_query->sql();
    while (lines.size() > 1)
        lines.removeLast();
    if (lines.isEmpty())
        lines << m_layout.selectLine;
    lines << orderLine;
    m_query->setSql(lines);
    m_query->open();
}

void SortableListForm::gridTitleBtnClick(int column, ui::SortMarker markerAtClick)
{
    if (column < 0 || column >= m_layout.columns.size())
        return;
    QString orderLine = QString::fromLatin1(sql::ListSortPrefix) + m_layout.columns.at(column).field;
    if (markerAtClick == ui::SortMarker::Down)
        orderLine += QString::fromLatin1(sql::ListSortDescending);
    // The row count does not change: the buttons stay as they are.
    ui::guard([&] { reopenWithOrder(orderLine); });
}

void SortableListForm::gridDblClick()
{
    if (sbChange->isEnabled())
        ui::guard([this] { sbChangeClick(); });
}

bool SortableListForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid->viewport() && event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        gridDblClick();
        return true;
    }
    return ui::Form::eventFilter(watched, event);
}

bool SortableListForm::editUntilStored(ui::Form *dialog, const std::function<void()> &store)
{
    while (dialog->showModal() == QDialog::Accepted) {
        if (ui::guard(store))
            return true;
    }
    return false;
}

void SortableListForm::reRead()
{
    m_query->close();
    m_query->open();
}

void SortableListForm::reReadAfterAdd()
{
    reRead();
    CheckButtons();
}

void SortableListForm::reReadAfterDelete()
{
    reRead();
    CheckButtons();
}

void SortableListForm::reReadAfterChange()
{
    const int row = m_query->row();
    reRead();
    if (row >= 0)
        m_query->gotoRowNumber(row);
    CheckButtons();
}

} // namespace tarvo
