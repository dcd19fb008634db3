#include "ui/TriStateCheckBox.h"

namespace tarvo::ui {

TriStateCheckBox::TriStateCheckBox(QWidget *parent)
    : QCheckBox(parent)
{
    setTristate(true);
}

TriStateCheckBox::TriStateCheckBox(const QString &text, QWidget *parent)
    : QCheckBox(text, parent)
{
    setTristate(true);
}

void TriStateCheckBox::nextCheckState()
{
    switch (checkState()) {
    case Qt::Unchecked:
        setCheckState(Qt::PartiallyChecked);
        break;
    case Qt::PartiallyChecked:
        setCheckState(Qt::Checked);
        break;
    case Qt::Checked:
        setCheckState(Qt::Unchecked);
        break;
    }
}

} // namespace tarvo::ui
