#pragma once

#include <QString>

#include <functional>

namespace tarvo::ui {

// The application-wide error box: the standard error message box with the
// error's own text. The program carries on afterwards.
void showErrorBox(const QString &message);

// Shows the exception being handled in the error box; call it only inside a
// catch block. A DataError shows the store's own message.
void showCurrentException();

// Runs a handler; an error it does not catch itself (a DataError or any other
// exception) is shown in the error box. Returns false when it failed.
bool guard(const std::function<void()> &handler);

} // namespace tarvo::ui
