#pragma once

#include "ui/Form.h"
#include "ui/Singleton.h"

namespace tarvo {

// The window "Планирование налогового  бремени".
class TfmOle : public ui::Form, public ui::Singleton<TfmOle>
{
    Q_OBJECT
public:
    explicit TfmOle(QWidget *parent = nullptr);
};

} // namespace tarvo
