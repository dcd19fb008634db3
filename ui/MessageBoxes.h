#pragma once

#include <QString>

class QWidget;

// The program's modal message boxes. Each is a QMessageBox run with exec(),
// named by its objectName ("askYesNo", "askOkCancel", "showMessage",
// "showWarning", "showError") so that it can be found as
// QApplication::activeModalWidget() while it is open.
namespace tarvo::ui {

// A warning with the buttons "Да" and "Нет" ("Нет" is the default and the
// answer of Escape and the close box). True only for "Да".
bool askYesNo(QWidget *parent, const QString &text);
// A question with the buttons "OK" and "Отмена" ("Отмена" is the default).
// True only for "OK".
bool askOkCancel(QWidget *parent, const QString &text);
// A plain message with "OK", captioned with the application's name.
void showMessage(QWidget *parent, const QString &text);
// A warning with "OK".
void showWarning(QWidget *parent, const QString &text);
// The standard error box: critical icon, "OK", caption "Ошибка".
void showError(QWidget *parent, const QString &text);

} // namespace tarvo::ui
