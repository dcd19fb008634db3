#pragma once

#include "ui/Form.h"
#include "ui/Singleton.h"

namespace tarvo {

// The window "Авансовый платеж налога с продаж".
class TfmDelAvans : public ui::Form, public ui::Singleton<TfmDelAvans>
{
    Q_OBJECT
public:
    explicit TfmDelAvans(QWidget *parent = nullptr);
};

} // namespace tarvo
