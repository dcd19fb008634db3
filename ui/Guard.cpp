#include "ui/Guard.h"

#include "data/DataError.h"
#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QWidget>

#include <exception>

namespace tarvo::ui {

void showErrorBox(const QString &message)
{
    QWidget *parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    showError(parent, message);
}

void showCurrentException()
{
    try {
        throw;
    } catch (const DataError &e) {
        showErrorBox(e.message());
    } catch (const std::exception &e) {
        showErrorBox(QString::fromUtf8(e.what()));
    } catch (...) {
        showErrorBox(QStringLiteral("Неизвестная ошибка."));
    }
}

bool guard(const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (...) {
        showCurrentException();
    }
    return false;
}

} // namespace tarvo::ui
