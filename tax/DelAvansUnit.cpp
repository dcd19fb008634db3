#include "tax/DelAvansUnit.h"

namespace tarvo {

TfmDelAvans::TfmDelAvans(QWidget *parent)
    : ui::Form(QStringLiteral("fmDelAvans"), QStringLiteral("Авансовый платеж налога с продаж"), 303, 217, parent)
{
}

} // namespace tarvo
