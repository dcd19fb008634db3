#pragma once

#include "ui/Form.h"
#include "ui/Singleton.h"

namespace tarvo {

// The window "Авансы".
class TfmAvans : public ui::Form, public ui::Singleton<TfmAvans>
{
    Q_OBJECT
public:
    explicit TfmAvans(QWidget *parent = nullptr);
};

} // namespace tarvo
