#include "tax/PPRepUnit.h"

namespace tarvo {

TrepPP::TrepPP(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("repPP"));
    setWindowTitle(QStringLiteral("repPP"));
    resize(800, 600);
}

} // namespace tarvo
