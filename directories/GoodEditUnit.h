#pragma once

#include "ui/Form.h"
#include "ui/Singleton.h"

namespace tarvo {

// The window "Товар".
class TfmGoodEdit : public ui::Form, public ui::Singleton<TfmGoodEdit>
{
    Q_OBJECT
public:
    explicit TfmGoodEdit(QWidget *parent = nullptr);
};

} // namespace tarvo
