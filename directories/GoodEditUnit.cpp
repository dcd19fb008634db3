#include "directories/GoodEditUnit.h"

#include "ui/CurrencyEdit.h"
#include "ui/FlatButton.h"
#include "ui/TriStateCheckBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tarvo {

namespace {
constexpr int PriceWidth = 121;
}

TfmGoodEdit::TfmGoodEdit(QWidget *parent)
    : EditDialog(QStringLiteral("fmGoodEdit"), QStringLiteral("Товар"), 399, 178, parent)
{
    // Created in their tab order: the flag, the name, the price.
    cbNsP = new ui::TriStateCheckBox(QStringLiteral("Облагается НсП"), this);
    cbNsP->setObjectName(QStringLiteral("cbNsP"));
    QFont bold = cbNsP->font();
    bold.setBold(true);
    cbNsP->setFont(bold);
    edName = new QLineEdit(this);
    edName->setObjectName(QStringLiteral("edName"));
    edName->setMaxLength(NameLength);
    cePrice = new ui::CurrencyEdit(this);
    cePrice->setObjectName(QStringLiteral("cePrice"));
    cePrice->setFixedWidth(PriceWidth);
    setTabOrder(cbNsP, edName);
    setTabOrder(edName, cePrice);

    QLabel *nameLabel = caption(QStringLiteral("Наименование"));
    nameLabel->setObjectName(QStringLiteral("lbName"));
    nameLabel->setBuddy(edName);
    QLabel *priceLabel = caption(QStringLiteral("Цена"));
    priceLabel->setObjectName(QStringLiteral("lbPrice"));
    priceLabel->setBuddy(cePrice);

    auto *price = new QVBoxLayout;
    price->setSpacing(2);
    price->addWidget(priceLabel);
    price->addWidget(cePrice);
    auto *priceRow = new QHBoxLayout;
    priceRow->setSpacing(24);
    priceRow->addLayout(price);
    priceRow->addWidget(cbNsP, 0, Qt::AlignBottom);
    priceRow->addStretch(1);

    auto *main = new QVBoxLayout(this);
    main->setContentsMargins(8, 6, 8, 8);
    main->setSpacing(2);
    main->addWidget(codeRow());
    main->addSpacing(2);
    main->addWidget(nameLabel);
    main->addWidget(edName);
    main->addSpacing(6);
    main->addLayout(priceRow);
    main->addStretch(1);
    main->addLayout(buttonRow());

    for (QWidget *field : {static_cast<QWidget *>(cbNsP), static_cast<QWidget *>(edName),
                           static_cast<QWidget *>(cePrice)})
        previewKeys(field);
    connect(cbNsP, &QCheckBox::stateChanged, this, &TfmGoodEdit::CheckOk);
    connect(edName, &QLineEdit::textChanged, this, &TfmGoodEdit::cePriceChange);
    connect(cePrice, &ui::CurrencyEdit::valueTextChanged, this, &TfmGoodEdit::cePriceChange);

    prepareAdd();
}

void TfmGoodEdit::prepareAdd()
{
    hideCode();
    cePrice->setValue(Money());
    cbNsP->setCheckState(Qt::PartiallyChecked);
    edName->clear();
}

void TfmGoodEdit::prepareChange(int idGood, const GoodEntry &good)
{
    showCode(idGood);
    cePrice->setValue(good.price);
    cbNsP->setCheckState(good.nsp ? Qt::Checked : Qt::Unchecked);
    edName->setText(good.name);
}

GoodEntry TfmGoodEdit::entry() const
{
    return {edName->text(), cePrice->value(), cbNsP->checkState() == Qt::Checked};
}

void TfmGoodEdit::FormShow()
{
    CheckOk();
}

void TfmGoodEdit::cePriceChange()
{
    CheckOk();
}

void TfmGoodEdit::CheckOk()
{
    rsbOk->setEnabled(!edName->text().isEmpty() && !cePrice->isTextEmpty() && !cbNsP->isUndecided());
}

} // namespace tarvo
