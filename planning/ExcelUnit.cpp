#include "planning/ExcelUnit.h"

namespace tarvo {

TfmOle::TfmOle(QWidget *parent)
    : ui::Form(QStringLiteral("fmOle"), QStringLiteral("Планирование налогового  бремени"), 875, 584, parent)
{
}

} // namespace tarvo
