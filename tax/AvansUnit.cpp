#include "tax/AvansUnit.h"

namespace tarvo {

TfmAvans::TfmAvans(QWidget *parent)
    : ui::Form(QStringLiteral("fmAvans"), QStringLiteral("Авансы"), 624, 540, parent)
{
}

} // namespace tarvo
