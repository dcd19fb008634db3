#pragma once

#include "ui/Form.h"
#include "ui/Singleton.h"

namespace tarvo {

// The window "Позиция заказа".
class TfmOrderLine : public ui::Form, public ui::Singleton<TfmOrderLine>
{
    Q_OBJECT
public:
    explicit TfmOrderLine(QWidget *parent = nullptr);
};

} // namespace tarvo
