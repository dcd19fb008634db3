#include "orders/OrderEditUnit.h"

namespace tarvo {

TfmOrderEdit::TfmOrderEdit(QWidget *parent)
    : ui::Form(QStringLiteral("fmOrderEdit"), QStringLiteral("Заказ"), 463, 224, parent)
{
}

} // namespace tarvo
