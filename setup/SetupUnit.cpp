#include "setup/SetupUnit.h"

#include "data/DataSet.h"
#include "data/Money.h"
#include "setup/SetupSql.h"
#include "ui/CalcEdit.h"
#include "ui/FlatButton.h"
#include "ui/Guard.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tarvo {

namespace {

struct Requisite
{
    const char *edit;
    const char *caption;
    const char *field;
};

// The rows of the window from top to bottom: the first eight under
// "Наши реквизиты", the rest under "Реквизиты МНС".
constexpr int OurRequisiteCount = 8;
constexpr Requisite Requisites[TfmSetup::RequisiteCount] = {
    {"deReq1", "Наименование", "OurName"},
    {"deReq2", "ИНН", "OurINN"},
    {"deReq3", "Наименование Банка", "OurBank"},
    {"deReq4", "ФИО ответственного лица", "OurFIO"},
    {"deReq5", "Телефон", "OurTel"},
    {"deReq6", "БИК", "OurBIK"},
    {"deReq7", "Корр. счет", "OurKorrSch"},
    {"deReq8", "Расчетный счет", "OurRs"},
    {"deReq9", "Номер", "OurIMNS"},
    {"deReq10", "Наименование", "MNSNAME"},
    {"deReq11", "ИНН", "MNSINN"},
    {"deReq12", "Наименование Банка", "MNSBank"},
    {"deReq13", "БИК", "MNSBIK"},
    {"deReq14", "Корр. счет", "MNSKorrSch"},
    {"deReq15", "Расчетный счет", "MNSRs"},
};

constexpr const char *RateField = "NsP";

constexpr int CaptionWidth = 185;
constexpr int RowHeight = 23;

// Fonts carrying only the weight, so that everything else follows the
// program's font.
QFont boldFont()
{
    QFont f;
    f.setBold(true);
    return f;
}

QFont regularFont()
{
    QFont f;
    f.setBold(false);
    return f;
}

} // namespace

TfmSetup::TfmSetup(QWidget *parent)
    : ui::Form(QStringLiteral("fmSetup"), QStringLiteral("Настройка"), 756, 533, parent)
    , aqSetup(new DataSet(QStringLiteral("aqSetup"), this))
{
    // The table has no key: the row is found by all its former values.
    aqSetup->setSql({QString::fromLatin1(sql::SetupSelect)});
    aqSetup->setUpdateTable(QStringLiteral("SETUP"), QString());

    auto *main = new QVBoxLayout(this);
    main->setContentsMargins(8, 8, 8, 8);
    main->setSpacing(6);

    const auto addGroup = [&](const QString &title, int from, int to) {
        auto *box = new QGroupBox(title, this);
        box->setFont(boldFont());
        auto *rows = new QVBoxLayout(box);
        rows->setContentsMargins(6, 4, 6, 6);
        rows->setSpacing(2);
        for (int i = from; i < to; ++i) {
            const Requisite &r = Requisites[i];
            auto *edit = new QLineEdit(box);
            edit->setObjectName(QString::fromLatin1(r.edit));
            edit->setFont(regularFont());
            edit->setMaxLength(RequisiteLength);
            edit->setFixedHeight(RowHeight);
            connect(edit, &QLineEdit::textChanged, this, &TfmSetup::deReq1Change);
            deReq[size_t(i)] = edit;

            // The raised caption box in front of the edit.
            auto *caption = new QLabel(QString::fromUtf8(r.caption), box);
            caption->setFrameStyle(QFrame::Panel | QFrame::Raised);
            caption->setLineWidth(1);
            caption->setIndent(4);
            caption->setFixedSize(CaptionWidth, RowHeight);
            caption->setBuddy(edit);

            auto *row = new QHBoxLayout;
            row->setSpacing(2);
            row->addWidget(caption);
            row->addWidget(edit, 1);
            rows->addLayout(row);
        }
        main->addWidget(box);
    };
    addGroup(QStringLiteral("Наши реквизиты"), 0, OurRequisiteCount);
    addGroup(QStringLiteral("Реквизиты МНС"), OurRequisiteCount, RequisiteCount);
    main->addStretch(1);

    auto *rateLabel = new QLabel(QStringLiteral("Ставка НсП"), this);
    rateLabel->setFont(boldFont());
    rdbceNsp = new ui::CalcEdit(this);
    rdbceNsp->setObjectName(QStringLiteral("rdbceNsp"));
    rdbceNsp->setMaxDecimals(2);
    rdbceNsp->setFixedSize(121, RowHeight);
    rateLabel->setBuddy(rdbceNsp);
    connect(rdbceNsp, &ui::CalcEdit::valueChanged, this, &TfmSetup::deReq1Change);

    rsbOk = ui::FlatButton::ok(this);
    rsbOk->setObjectName(QStringLiteral("rsbOk"));
    rsbOk->setFixedSize(90, 33);
    connect(rsbOk, &QToolButton::clicked, this, &TfmSetup::rsbOkClick);
    RxSpeedButton2 = ui::FlatButton::cancel(this);
    RxSpeedButton2->setObjectName(QStringLiteral("RxSpeedButton2"));
    RxSpeedButton2->setFixedSize(90, 33);
    connect(RxSpeedButton2, &QToolButton::clicked, this, &QDialog::reject);

    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(6);
    bottom->addSpacing(8);
    bottom->addWidget(rateLabel);
    bottom->addWidget(rdbceNsp);
    bottom->addStretch(1);
    bottom->addWidget(rsbOk);
    bottom->addWidget(RxSpeedButton2);
    main->addLayout(bottom);

    for (int i = 1; i < RequisiteCount; ++i)
        setTabOrder(deReq[size_t(i - 1)], deReq[size_t(i)]);
    setTabOrder(deReq[RequisiteCount - 1], rdbceNsp);

    CheckOk();
}

void TfmSetup::FormShow()
{
    // Empty fields first: when the row cannot be read they stay empty and
    // "&OK" stays disabled.
    clearEntries();
    aqSetup->close();
    CheckOk();
    deReq[0]->setFocus(Qt::OtherFocusReason);
    aqSetup->open();
    showRow();
    CheckOk();
}

void TfmSetup::FormClose()
{
    // Whatever was not saved is dropped with the data set.
    aqSetup->cancel();
    aqSetup->close();
}

void TfmSetup::rsbOkClick()
{
    if (!rsbOk->isEnabled())
        return;
    if (!ui::guard([this] { saveRow(); })) {
        // The store refused the row: it is reported, the row goes back to
        // what the store holds and the window stays open with the entries.
        aqSetup->cancel();
        return;
    }
    accept();
}

void TfmSetup::deReq1Change()
{
    CheckOk();
}

void TfmSetup::CheckOk()
{
    bool enabled = aqSetup->isActive() && !rdbceNsp->value().isZero();
    for (const QLineEdit *edit : deReq)
        enabled = enabled && !edit->text().isEmpty();
    rsbOk->setEnabled(enabled);
}

void TfmSetup::clearEntries()
{
    for (QLineEdit *edit : deReq)
        edit->clear();
    rdbceNsp->clear();
}

void TfmSetup::showRow()
{
    // The window shows the first row; with none the fields stay empty and
    // the first save inserts it.
    if (aqSetup->isEmpty())
        return;
    aqSetup->first();
    for (int i = 0; i < RequisiteCount; ++i)
        deReq[size_t(i)]->setText(aqSetup->asString(QString::fromLatin1(Requisites[i].field)));
    rdbceNsp->setValue(aqSetup->asMoney(QString::fromLatin1(RateField)));
}

void TfmSetup::saveRow()
{
    aqSetup->edit();
    for (int i = 0; i < RequisiteCount; ++i)
        aqSetup->setValue(QString::fromLatin1(Requisites[i].field), deReq[size_t(i)]->text());
    aqSetup->setValue(QString::fromLatin1(RateField), QVariant::fromValue(rdbceNsp->value()));
    aqSetup->post();
}

} // namespace tarvo
