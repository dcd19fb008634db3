#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace tarvo::ui {

namespace {

QString applicationCaption()
{
    const QString name = QApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("АРМ для расчета Налога с продаж") : name;
}

// Runs a box with two buttons; true when `yes` was clicked.
bool ask(QWidget *parent, const QString &name, QMessageBox::Icon icon, const QString &caption,
         const QString &text, QMessageBox::StandardButton yes, const QString &yesText,
         QMessageBox::StandardButton no, const QString &noText)
{
    QMessageBox box(icon, caption, text, QMessageBox::NoButton, parent);
    box.setObjectName(name);
    QPushButton *yesButton = box.addButton(yes);
    yesButton->setText(yesText);
    QPushButton *noButton = box.addButton(no);
    noButton->setText(noText);
    box.setDefaultButton(noButton);
    box.setEscapeButton(noButton);
    box.exec();
    return box.clickedButton() == yesButton;
}

void tell(QWidget *parent, const QString &name, QMessageBox::Icon icon, const QString &caption,
          const QString &text)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.setObjectName(name);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

} // namespace

bool askYesNo(QWidget *parent, const QString &text)
{
    return ask(parent, QStringLiteral("askYesNo"), QMessageBox::Warning,
               QStringLiteral("Предупреждение"), text, QMessageBox::Yes, QStringLiteral("Да"),
               QMessageBox::No, QStringLiteral("Нет"));
}

bool askOkCancel(QWidget *parent, const QString &text)
{
    return ask(parent, QStringLiteral("askOkCancel"), QMessageBox::Question,
               QStringLiteral("Подтверждение"), text, QMessageBox::Ok, QStringLiteral("OK"),
               QMessageBox::Cancel, QStringLiteral("Отмена"));
}

void showMessage(QWidget *parent, const QString &text)
{
    tell(parent, QStringLiteral("showMessage"), QMessageBox::NoIcon, applicationCaption(), text);
}

void showWarning(QWidget *parent, const QString &text)
{
    tell(parent, QStringLiteral("showWarning"), QMessageBox::Warning,
         QStringLiteral("Предупреждение"), text);
}

void showError(QWidget *parent, const QString &text)
{
    tell(parent, QStringLiteral("showError"), QMessageBox::Critical, QStringLiteral("Ошибка"), text);
}

} // namespace tarvo::ui
