#pragma once

#include "ui/Singleton.h"

#include <QMainWindow>

class QAction;
class QMenu;

namespace tarvo {

namespace ui {
class Form;
}

// The main window: a bare frame with the menu bar. Each command hides it,
// shows one working window modally and shows it again when that closes; the
// tax calculation leaves it visible. "&Выход" and the close box end the program.
class TfmMainMenu : public QMainWindow, public ui::Singleton<TfmMainMenu>
{
    Q_OBJECT
public:
    explicit TfmMainMenu(QWidget *parent = nullptr);

    // Hides the main window, shows `form` modally, shows the main window again.
    void openModal(ui::Form *form);

    void N2Click();
    void N5Click();
    void N7Click();
    void N3Click();
    void N8Click();
    void N9Click();
    void N10Click();
    void N6Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QMenu *addMenu(const char *name, const QString &caption);
    QAction *addItem(QWidget *parent, const char *name, const QString &caption);
};

} // namespace tarvo
