#include "directories/SpDistributorUnit.h"

#include "data/DataSet.h"
#include "data/StoredProc.h"
#include "directories/AddressBox.h"
#include "directories/DirectoriesSql.h"
#include "directories/DistrbutorEditUnit.h"
#include "ui/Guard.h"
#include "ui/MessageBoxes.h"

namespace tarvo {

namespace {

const QString IdDistributor = QStringLiteral("ID_DISTRIBUTOR");
const QString Fio = QStringLiteral("FIO");
const QString Address = QStringLiteral("ADDRESS");
const QString Phone = QStringLiteral("PHONE");
const QString Birthday = QStringLiteral("BIRTHDAY");

SortableListForm::Layout distributorsLayout()
{
    SortableListForm::Layout l;
    l.objectName = QStringLiteral("fmDistributorList");
    l.caption = QStringLiteral("Дистрибьютеры");
    l.width = 767;
    l.height = 423;
    l.gridName = QStringLiteral("ehgDistributors");
    l.queryName = QStringLiteral("aqDistributors");
    l.sourceName = QStringLiteral("dsDistributors");
    l.selectLine = QString::fromLatin1(sql::DistributorListSelect);
    l.codeOrderLine = QString::fromLatin1(sql::DistributorListOrderById);
    l.columns = {
        {IdDistributor, QStringLiteral("Код Дистрибьютора"), 125, Qt::AlignCenter, false},
        {Fio, QStringLiteral("ФИО"), 142, Qt::AlignLeft | Qt::AlignVCenter, false},
        {Address, QStringLiteral("Адрес"), 224, Qt::AlignLeft | Qt::AlignVCenter, false},
        {Phone, QStringLiteral("Телефон"), 106, Qt::AlignCenter, false},
        {Birthday, QStringLiteral("День рождения"), 0, Qt::AlignCenter, false},
    };
    l.fields = {FieldDef::data(Birthday, FieldType::DateTime, QStringLiteral("shortdate"))};
    return l;
}

} // namespace

TfmDistributorList::TfmDistributorList(QWidget *parent)
    : SortableListForm(distributorsLayout(), parent)
    , aqDistributors(query())
    , aspInsert(new StoredProc(QStringLiteral("aspInsert"), QString::fromLatin1(sql::DistributorInsertProc),
                               {{QStringLiteral("P_FIO"), FieldType::Text},
                                {QStringLiteral("P_ADDRESS"), FieldType::Text},
                                {QStringLiteral("P_PHONE"), FieldType::Text},
                                {QStringLiteral("P_BIRTHDAY"), FieldType::DateTime}},
                               this))
    , aspUpdate(new StoredProc(QStringLiteral("aspUpdate"), QString::fromLatin1(sql::DistributorUpdateProc),
                               {{QStringLiteral("P_FIO"), FieldType::Text},
                                {QStringLiteral("P_ADDRESS"), FieldType::Text},
                                {QStringLiteral("P_PHONE"), FieldType::Text},
                                {QStringLiteral("P_BIRTHDAY"), FieldType::DateTime},
                                {QStringLiteral("P_ID_DISTRIBUTOR"), FieldType::Integer}},
                               this))
    , aspDelete(new StoredProc(QStringLiteral("aspDelete"), QString::fromLatin1(sql::DistributorDeleteProc),
                               {{QStringLiteral("P_ID_DISTRIBUTOR"), FieldType::Integer}}, this))
{
}

void TfmDistributorList::setEntryParams(StoredProc *proc, const DistributorEntry &entry)
{
    proc->setParam(0, entry.fio);
    proc->setParam(1, AddressBox::join(entry.address));
    proc->setParam(2, entry.phone.isEmpty() ? QString::fromUtf8(NoPhone) : entry.phone);
    proc->setParam(3, entry.birthday ? QVariant::fromValue(*entry.birthday) : QVariant());
}

void TfmDistributorList::sbAddClick()
{
    TfmDistributorEdit *dialog = TfmDistributorEdit::instance();
    if (!dialog)
        return;
    dialog->prepareAdd();
    const bool stored = editUntilStored(dialog, [&] {
        setEntryParams(aspInsert, dialog->entry());
        aspInsert->execute();
    });
    if (stored)
        reReadAfterAdd();
}

void TfmDistributorList::sbChangeClick()
{
    TfmDistributorEdit *dialog = TfmDistributorEdit::instance();
    if (!dialog)
        return;
    const int idDistributor = aqDistributors->asInteger(IdDistributor);
    const QString phone = aqDistributors->asString(Phone);
    dialog->prepareChange(idDistributor,
                          {aqDistributors->asString(Fio),
                           AddressBox::split(aqDistributors->asString(Address)),
                           phone == QString::fromUtf8(NoPhone) ? QString() : phone,
                           aqDistributors->asDateTime(Birthday)});
    const bool stored = editUntilStored(dialog, [&] {
        setEntryParams(aspUpdate, dialog->entry());
        aspUpdate->setParam(4, idDistributor);
        aspUpdate->execute();
    });
    if (stored)
        reReadAfterChange();
}

void TfmDistributorList::sbDeleteClick()
{
    if (!ui::askYesNo(this,
                      QStringLiteral("Вы действительно хотите удалить информацию об этом дистрибьютере? ")))
        return;
    aspDelete->setParam(0, aqDistributors->asInteger(IdDistributor));
    // A refusal goes to the error box (through the caller); the list is not
    // re-read and the row stays.
    aspDelete->execute();
    reReadAfterDelete();
}

} // namespace tarvo
