#pragma once

#include <QCheckBox>

namespace tarvo::ui {

// A check box with a third, undecided state (Qt::PartiallyChecked). A click
// or the space key moves it unchecked -> undecided -> checked -> unchecked;
// stateChanged reports every change, by mouse, keyboard or program.
class TriStateCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit TriStateCheckBox(QWidget *parent = nullptr);
    explicit TriStateCheckBox(const QString &text, QWidget *parent = nullptr);

    bool isUndecided() const { return checkState() == Qt::PartiallyChecked; }

protected:
    void nextCheckState() override;
};

} // namespace tarvo::ui
