#include "app/MainUnit.h"

#include "directories/SpDistributorUnit.h"
#include "directories/SpGoodUnit.h"
#include "orders/OrderUnit.h"
#include "planning/ExcelUnit.h"
#include "setup/SetupUnit.h"
#include "tax/AvansUnit.h"
#include "tax/TaxCalculation.h"
#include "ui/Guard.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

namespace tarvo {

TfmMainMenu::TfmMainMenu(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("fmMainMenu"));
    setWindowTitle(QStringLiteral("АРМ для расчета Налога с продаж"));
    resize(961, 578);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(0, 0), QSize(961, 578));
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
    setCentralWidget(new QWidget(this));
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));

    QMenu *n1 = addMenu("N1", QStringLiteral("&Справочники"));
    connect(addItem(n1, "N2", QStringLiteral("&Дистрибьютеры")), &QAction::triggered, this, &TfmMainMenu::N2Click);
    connect(addItem(n1, "N5", QStringLiteral("&Товары")), &QAction::triggered, this, &TfmMainMenu::N5Click);
    connect(addItem(n1, "N7", QStringLiteral("&Конфигурация")), &QAction::triggered, this, &TfmMainMenu::N7Click);
    connect(addItem(menuBar(), "N3", QStringLiteral("&Заказы")), &QAction::triggered, this, &TfmMainMenu::N3Click);
    QMenu *n4 = addMenu("N4", QStringLiteral("&Налог  с продаж"));
    connect(addItem(n4, "N8", QStringLiteral("&Авансовые платежи")), &QAction::triggered, this, &TfmMainMenu::N8Click);
    connect(addItem(n4, "N9", QStringLiteral("&Расчет")), &QAction::triggered, this, &TfmMainMenu::N9Click);
    connect(addItem(menuBar(), "N10", QStringLiteral("&Планирование налогового бремени")), &QAction::triggered,
            this, &TfmMainMenu::N10Click);
    QMenu *n11 = addMenu("N11", QStringLiteral("&Оптимизация налогового бремени"));
    addItem(n11, "N13", QStringLiteral("&Метод микробалансов"));
    addItem(n11, "N14", QStringLiteral("&Метод графо-аналитических зависимостей"));
    addItem(menuBar(), "N12", QStringLiteral("&НСИ"));
    connect(addItem(menuBar(), "N6", QStringLiteral("&Выход")), &QAction::triggered, this, &TfmMainMenu::N6Click);
}

QMenu *TfmMainMenu::addMenu(const char *name, const QString &caption)
{
    QMenu *menu = menuBar()->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction *TfmMainMenu::addItem(QWidget *parent, const char *name, const QString &caption)
{
    auto *action = new QAction(caption, parent);
    action->setObjectName(QString::fromLatin1(name));
    parent->addAction(action);
    return action;
}

void TfmMainMenu::openModal(ui::Form *form)
{
    if (!form)
        return;
    hide();
    ui::guard([form] { form->showModal(); });
    show();
}

void TfmMainMenu::N2Click() { openModal(TfmDistributorList::instance()); }
void TfmMainMenu::N5Click() { openModal(TfmGoodsList::instance()); }
void TfmMainMenu::N7Click() { openModal(TfmSetup::instance()); }
void TfmMainMenu::N3Click() { openModal(TfmOrders::instance()); }
void TfmMainMenu::N8Click() { openModal(TfmAvans::instance()); }
void TfmMainMenu::N10Click() { openModal(TfmOle::instance()); }

void TfmMainMenu::N9Click()
{
    ui::guard([] { runTaxCalculation(); });
}

void TfmMainMenu::N6Click()
{
    QApplication::exit(0);
}

void TfmMainMenu::closeEvent(QCloseEvent *event)
{
    event->accept();
    QApplication::exit(0);
}

} // namespace tarvo
