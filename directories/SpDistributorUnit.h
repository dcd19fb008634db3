#pragma once

#include "ui/Form.h"
#include "ui/Singleton.h"

namespace tarvo {

// The window "Дистрибьютеры".
class TfmDistributorList : public ui::Form, public ui::Singleton<TfmDistributorList>
{
    Q_OBJECT
public:
    explicit TfmDistributorList(QWidget *parent = nullptr);
};

} // namespace tarvo
