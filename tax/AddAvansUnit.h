#pragma once

#include "ui/Form.h"
#include "ui/Singleton.h"

namespace tarvo {

// The window "Авансовый платеж налога с продаж".
class TfmAddAvans : public ui::Form, public ui::Singleton<TfmAddAvans>
{
    Q_OBJECT
public:
    explicit TfmAddAvans(QWidget *parent = nullptr);
};

} // namespace tarvo
