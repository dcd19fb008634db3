#pragma once

#include "ui/Form.h"

class QLabel;
class QLayout;

namespace tarvo {

namespace ui {
class FlatButton;
} // namespace ui

// What the goods and distributor dialogs share: the code row ("КОД" and the
// small sunken panel showing the code, both hidden while adding), the
// buttons "&OK" and "&Cancel" at the bottom right, and Enter, which the
// dialog sees before the focused field and which confirms it while "&OK" is
// enabled (FormKeyPress). While "&OK" is disabled Enter goes on to the field.
class EditDialog : public ui::Form
{
    Q_OBJECT
public:
    EditDialog(const QString &objectName, const QString &caption, int width, int height,
               QWidget *parent = nullptr);

protected:
    // Shows the code row with the code, or hides it for a new record.
    void showCode(int code);
    void hideCode();
    // The field's keys pass the dialog first.
    void previewKeys(QWidget *field);
    // The code row and the button row, to be placed by the dialog's layout.
    QWidget *codeRow() const { return m_codeRow; }
    QLayout *buttonRow() const { return m_buttonRow; }
    // A bold label.
    QLabel *caption(const QString &text);

    bool eventFilter(QObject *watched, QEvent *event) override;
    // Character 13 while "&OK" is enabled: a click on "&OK". True when the
    // key was used.
    bool FormKeyPress(QChar key);

    QLabel *lbCode;
    QLabel *paCode;
    ui::FlatButton *rsbOk;
    ui::FlatButton *RxSpeedButton2;

private:
    QWidget *m_codeRow;
    QLayout *m_buttonRow;
};

} // namespace tarvo
