#pragma once

#include "ui/Form.h"
#include "ui/Singleton.h"

namespace tarvo {

// The window "Дистрибьютор".
class TfmDistributorEdit : public ui::Form, public ui::Singleton<TfmDistributorEdit>
{
    Q_OBJECT
public:
    explicit TfmDistributorEdit(QWidget *parent = nullptr);
};

} // namespace tarvo
