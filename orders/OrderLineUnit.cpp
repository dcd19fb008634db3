#include "orders/OrderLineUnit.h"

namespace tarvo {

TfmOrderLine::TfmOrderLine(QWidget *parent)
    : ui::Form(QStringLiteral("fmOrderLine"), QStringLiteral("Позиция заказа"), 400, 200, parent)
{
}

} // namespace tarvo
