#pragma once

#include "ui/Form.h"
#include "ui/Singleton.h"

namespace tarvo {

// The window "Настройка".
class TfmSetup : public ui::Form, public ui::Singleton<TfmSetup>
{
    Q_OBJECT
public:
    explicit TfmSetup(QWidget *parent = nullptr);
};

} // namespace tarvo
