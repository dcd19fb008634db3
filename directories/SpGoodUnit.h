#pragma once

#include "ui/Form.h"
#include "ui/Singleton.h"

namespace tarvo {

// The window "Товары".
class TfmGoodsList : public ui::Form, public ui::Singleton<TfmGoodsList>
{
    Q_OBJECT
public:
    explicit TfmGoodsList(QWidget *parent = nullptr);
};

} // namespace tarvo
