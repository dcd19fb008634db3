#include "directories/GoodEditUnit.h"

namespace tarvo {

TfmGoodEdit::TfmGoodEdit(QWidget *parent)
    : ui::Form(QStringLiteral("fmGoodEdit"), QStringLiteral("Товар"), 399, 178, parent)
{
}

} // namespace tarvo
