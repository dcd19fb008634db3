#include "directories/SpGoodUnit.h"

namespace tarvo {

TfmGoodsList::TfmGoodsList(QWidget *parent)
    : ui::Form(QStringLiteral("fmGoodsList"), QStringLiteral("Товары"), 988, 686, parent)
{
}

} // namespace tarvo
