#pragma once

#include <QIcon>

// Small pictures of the buttons and drop-down fields, drawn in code.
namespace tarvo::ui::glyphs {

QIcon ok();          // a green tick
QIcon cancel();      // a red cross
QIcon print();       // a printer
QIcon calculator();  // a pocket calculator
QIcon calendar();    // a calendar sheet

} // namespace tarvo::ui::glyphs
