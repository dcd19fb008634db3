#include "ui/Guard.h"

#include "data/DataError.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include <exception>

namespace tarvo::ui {

void showErrorBox(const QString &message)
{
    QWidget *parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Ошибка"), message, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("showError"));
    box.exec();
}

bool guard(const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const DataError &e) {
        showErrorBox(e.message());
    } catch (const std::exception &e) {
        showErrorBox(QString::fromUtf8(e.what()));
    } catch (...) {
        showErrorBox(QStringLiteral("Неизвестная ошибка."));
    }
    return false;
}

} // namespace tarvo::ui
