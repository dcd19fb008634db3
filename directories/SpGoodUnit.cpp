#include "directories/SpGoodUnit.h"

#include "data/DataError.h"
#include "data/DataSet.h"
#include "data/StoredProc.h"
#include "directories/DirectoriesSql.h"
#include "directories/GoodEditUnit.h"
#include "ui/Guard.h"
#include "ui/MessageBoxes.h"

namespace tarvo {

namespace {

const QString IdGood = QStringLiteral("ID_GOOD");
const QString GoodName = QStringLiteral("GOOD_NAME");
const QString Price = QStringLiteral("PRICE");
const QString NsP = QStringLiteral("NsP");

SortableListForm::Layout goodsLayout()
{
    SortableListForm::Layout l;
    l.objectName = QStringLiteral("fmGoodsList");
    l.caption = QStringLiteral("Товары");
    l.width = 988;
    l.height = 686;
    l.gridName = QStringLiteral("ehgGoods");
    l.queryName = QStringLiteral("aqGoods");
    l.sourceName = QStringLiteral("dsGoods");
    l.selectLine = QString::fromLatin1(sql::GoodListSelect);
    l.codeOrderLine = QString::fromLatin1(sql::GoodListOrderById);
    l.columns = {
        {IdGood, QStringLiteral("Код товара"), 90, Qt::AlignCenter, false},
        {GoodName, QStringLiteral("Наименование товара"), 0, Qt::AlignLeft | Qt::AlignVCenter, false, 50},
        {Price, QStringLiteral("Цена"), 0, Qt::AlignRight | Qt::AlignVCenter, false},
        {NsP, QStringLiteral("Облагается НсП"), 102, Qt::AlignCenter, true},
    };
    l.fields = {FieldDef::data(Price, FieldType::Currency, QStringLiteral("currency")),
                FieldDef::data(NsP, FieldType::Boolean)};
    return l;
}

// The name, price and tax flag: the first three parameters of both
// Good_Insert and Good_Update.
void setEntryParams(StoredProc *proc, const GoodEntry &entry)
{
    proc->setParam(0, entry.name);
    proc->setParam(1, QVariant::fromValue(entry.price));
    proc->setParam(2, entry.nsp);
}

} // namespace

TfmGoodsList::TfmGoodsList(QWidget *parent)
    : SortableListForm(goodsLayout(), parent)
    , aqGoods(query())
    , aqGoodLines(new DataSet(QStringLiteral("aqGoodLines"), this))
    , aspInsert(new StoredProc(QStringLiteral("aspInsert"), QString::fromLatin1(sql::GoodInsertProc),
                               {{QStringLiteral("P_GOOD_NAME"), FieldType::Text},
                                {QStringLiteral("P_PRICE"), FieldType::Float},
                                {QStringLiteral("P_NsP"), FieldType::Boolean}},
                               this))
    , aspUpdate(new StoredProc(QStringLiteral("aspUpdate"), QString::fromLatin1(sql::GoodUpdateProc),
                               {{QStringLiteral("P_GOOD_NAME"), FieldType::Text},
                                {QStringLiteral("P_PRICE"), FieldType::Float},
                                {QStringLiteral("P_NSP"), FieldType::Boolean},
                                {QStringLiteral("P_ID_GOOD"), FieldType::Integer}},
                               this))
    , aspDelete(new StoredProc(QStringLiteral("aspDelete"), QString::fromLatin1(sql::GoodDeleteProc),
                               {{QStringLiteral("P_ID_GOOD"), FieldType::Integer}}, this))
{
    aqGoodLines->setSql({QString::fromLatin1(sql::GoodOrderLinesCount)});
}

void TfmGoodsList::sbAddClick()
{
    TfmGoodEdit *dialog = TfmGoodEdit::instance();
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

void TfmGoodsList::sbChangeClick()
{
    TfmGoodEdit *dialog = TfmGoodEdit::instance();
    if (!dialog)
        return;
    const int idGood = aqGoods->asInteger(IdGood);
    dialog->prepareChange(idGood, {aqGoods->asString(GoodName), aqGoods->asMoney(Price),
                                   aqGoods->asBoolean(NsP)});
    const bool stored = editUntilStored(dialog, [&] {
        setEntryParams(aspUpdate, dialog->entry());
        aspUpdate->setParam(3, idGood);
        aspUpdate->execute();
    });
    if (stored)
        reReadAfterChange();
}

void TfmGoodsList::sbDeleteClick()
{
    if (!ui::askYesNo(this, QStringLiteral("Вы действительно хотите удалить информацию об этом товаре? ")))
        return;
    const int idGood = aqGoods->asInteger(IdGood);
    try {
        aspDelete->setParam(0, idGood);
        aspDelete->execute();
    } catch (const DataError &e) {
        // The refusal the message names is a good that order lines still
        // use; the store is asked about that directly rather than reading its
        // wording. Any other failure (the store cannot be reached, the good
        // is gone) shows the store's own message.
        if (goodInUse(idGood).value_or(false))
            ui::showMessage(this, QStringLiteral("Нельзя удалить  запись т.к. есть подчиненные"));
        else
            ui::showErrorBox(e.message());
    }
    reReadAfterDelete();
}

std::optional<bool> TfmGoodsList::goodInUse(int idGood)
{
    try {
        aqGoodLines->close();
        aqGoodLines->setParam(IdGood, idGood);
        aqGoodLines->open();
        const bool inUse = aqGoodLines->asInteger(QStringLiteral("LINE_COUNT")) > 0;
        aqGoodLines->close();
        return inUse;
    } catch (const DataError &) {
        aqGoodLines->close();
        return std::nullopt;
    }
}

} // namespace tarvo
