#include "tax/RepNspUnit.h"

namespace tarvo {

TRepNsp::TRepNsp(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("RepNsp"));
    setWindowTitle(QStringLiteral("RepNsp"));
    resize(800, 600);
}

} // namespace tarvo
