#pragma once

#include "ui/Form.h"
#include "ui/Singleton.h"

namespace tarvo {

// The window "Заказ".
class TfmOrderEdit : public ui::Form, public ui::Singleton<TfmOrderEdit>
{
    Q_OBJECT
public:
    explicit TfmOrderEdit(QWidget *parent = nullptr);
};

} // namespace tarvo
