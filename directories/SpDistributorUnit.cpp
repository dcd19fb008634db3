#include "directories/SpDistributorUnit.h"

namespace tarvo {

TfmDistributorList::TfmDistributorList(QWidget *parent)
    : ui::Form(QStringLiteral("fmDistributorList"), QStringLiteral("Дистрибьютеры"), 767, 423, parent)
{
}

} // namespace tarvo
