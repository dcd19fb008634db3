#include "tax/PeriodsUnit.h"

namespace tarvo {

TfmPeriods::TfmPeriods(QWidget *parent)
    : ui::Form(QStringLiteral("fmPeriods"), QStringLiteral("Введите период"), 301, 173, parent)
{
}

} // namespace tarvo
