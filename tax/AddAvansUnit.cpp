#include "tax/AddAvansUnit.h"

namespace tarvo {

TfmAddAvans::TfmAddAvans(QWidget *parent)
    : ui::Form(QStringLiteral("fmAddAvans"), QStringLiteral("Авансовый платеж налога с продаж"), 300, 217, parent)
{
}

} // namespace tarvo
