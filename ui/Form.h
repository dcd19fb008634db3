#pragma once

#include <QDialog>

namespace tarvo::ui {

// A window of the program: created once, hidden between showings, shown
// modally. formShow() runs on every showing and formClose() whenever the
// window closes, by a button or by its close box; an error in either is
// shown in the error box and the window is still shown.
class Form : public QDialog
{
    Q_OBJECT
public:
    Form(const QString &objectName, const QString &caption, int width, int height,
         QWidget *parent = nullptr);

    // Shows the window modally and returns its result when it closes.
    int showModal();
    void done(int result) override;

protected:
    virtual void formShow() {}
    virtual void formClose() {}
    void showEvent(QShowEvent *event) override;
};

} // namespace tarvo::ui
