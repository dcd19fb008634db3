#pragma once

#include "ui/Form.h"
#include "ui/Singleton.h"

namespace tarvo {

// The window "Введите период".
class TfmPeriods : public ui::Form, public ui::Singleton<TfmPeriods>
{
    Q_OBJECT
public:
    explicit TfmPeriods(QWidget *parent = nullptr);
};

} // namespace tarvo
