#pragma once

class QKeyEvent;
class QWidget;

namespace tarvo::ui {

// Shows a drop-down `popup` under `field`, its left edge at the field's left
// (or its right edge at the field's right), kept on the screen: above the
// field when there is no room below.
void showDropDown(QWidget *popup, QWidget *field, bool alignRight);

// F4 or Alt+Down: the keys that open a field's drop-down.
bool isDropDownKey(const QKeyEvent *event);

} // namespace tarvo::ui
