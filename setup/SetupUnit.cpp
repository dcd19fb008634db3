#include "setup/SetupUnit.h"

namespace tarvo {

TfmSetup::TfmSetup(QWidget *parent)
    : ui::Form(QStringLiteral("fmSetup"), QStringLiteral("Настройка"), 756, 533, parent)
{
}

} // namespace tarvo
