#include "directories/EditDialog.h"

#include "ui/FlatButton.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>

namespace tarvo {

namespace {

constexpr int ButtonWidth = 90;
constexpr int ButtonHeight = 33;
constexpr int CodeRowHeight = 23;

// A font carrying only the weight, so the rest follows the program's font.
QFont boldFont()
{
    QFont f;
    f.setBold(true);
    return f;
}

} // namespace

EditDialog::EditDialog(const QString &objectName, const QString &caption, int width, int height,
                       QWidget *parent)
    : ui::Form(objectName, caption, width, height, parent)
{
    m_codeRow = new QWidget(this);
    m_codeRow->setFixedHeight(CodeRowHeight);
    lbCode = new QLabel(QStringLiteral("КОД"), m_codeRow);
    lbCode->setObjectName(QStringLiteral("lbCode"));
    lbCode->setFont(boldFont());
    paCode = new QLabel(m_codeRow);
    paCode->setObjectName(QStringLiteral("paCode"));
    paCode->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    paCode->setAlignment(Qt::AlignCenter);
    paCode->setFixedSize(65, 21);
    auto *code = new QHBoxLayout(m_codeRow);
    code->setContentsMargins(0, 0, 0, 0);
    code->setSpacing(8);
    code->addWidget(lbCode);
    code->addWidget(paCode);
    code->addStretch(1);

    rsbOk = ui::FlatButton::ok(this);
    rsbOk->setObjectName(QStringLiteral("rsbOk"));
    rsbOk->setFixedSize(ButtonWidth, ButtonHeight);
    connect(rsbOk, &QToolButton::clicked, this, &QDialog::accept);
    RxSpeedButton2 = ui::FlatButton::cancel(this);
    RxSpeedButton2->setObjectName(QStringLiteral("RxSpeedButton2"));
    RxSpeedButton2->setFixedSize(ButtonWidth, ButtonHeight);
    connect(RxSpeedButton2, &QToolButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    buttons->addStretch(1);
    buttons->addWidget(rsbOk);
    buttons->addWidget(RxSpeedButton2);
    m_buttonRow = buttons;
}

void EditDialog::showCode(int code)
{
    paCode->setText(QString::number(code));
    lbCode->show();
    paCode->show();
}

void EditDialog::hideCode()
{
    lbCode->hide();
    paCode->hide();
    paCode->clear();
}

QLabel *EditDialog::caption(const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setFont(boldFont());
    return label;
}

void EditDialog::previewKeys(QWidget *field)
{
    field->installEventFilter(this);
}

bool EditDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Return and the keypad's Enter both type character 13.
        const bool enter = (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
                           && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        const QChar typed = enter ? QChar(13) : (key->text().size() == 1 ? key->text().at(0) : QChar());
        if (!typed.isNull() && FormKeyPress(typed))
            return true;
    }
    return ui::Form::eventFilter(watched, event);
}

bool EditDialog::FormKeyPress(QChar key)
{
    if (key != QChar(13) || !rsbOk->isEnabled())
        return false;
    rsbOk->click();
    return true;
}

} // namespace tarvo
