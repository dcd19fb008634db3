#include "directories/DistrbutorEditUnit.h"

namespace tarvo {

TfmDistributorEdit::TfmDistributorEdit(QWidget *parent)
    : ui::Form(QStringLiteral("fmDistributorEdit"), QStringLiteral("Дистрибьютор"), 386, 281, parent)
{
}

} // namespace tarvo
