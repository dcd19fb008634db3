#pragma once

#include "ui/Form.h"
#include "ui/Singleton.h"

namespace tarvo {

// The window "Заказы".
class TfmOrders : public ui::Form, public ui::Singleton<TfmOrders>
{
    Q_OBJECT
public:
    explicit TfmOrders(QWidget *parent = nullptr);
};

} // namespace tarvo
