#include "orders/RepDistributorCheck.h"

namespace tarvo {

TfmCheck::TfmCheck(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("fmCheck"));
    setWindowTitle(QStringLiteral("fmCheck"));
    resize(759, 604);
}

} // namespace tarvo
