#include "orders/OrderUnit.h"

namespace tarvo {

TfmOrders::TfmOrders(QWidget *parent)
    : ui::Form(QStringLiteral("fmOrders"), QStringLiteral("Заказы"), 961, 727, parent)
{
}

} // namespace tarvo
