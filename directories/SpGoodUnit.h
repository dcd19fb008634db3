#pragma once

#include "directories/SortableListForm.h"
#include "ui/Singleton.h"

#include <optional>

namespace tarvo {

class DataSet;
class StoredProc;

// The window "Товары": the goods list. Add and change go through the dialog
// TfmGoodEdit and the procedures Good_Insert and Good_Update; a change or
// insert the store refuses is reported and the dialog comes back with what
// was typed. Delete asks first and runs Good_Delete; a good that order lines
// still use is answered with "Нельзя удалить  запись т.к. есть подчиненные",
// any other failure with the store's own message.
class TfmGoodsList : public SortableListForm, public ui::Singleton<TfmGoodsList>
{
    Q_OBJECT
public:
    explicit TfmGoodsList(QWidget *parent = nullptr);

protected:
    void sbAddClick() override;
    void sbChangeClick() override;
    void sbDeleteClick() override;

private:
    // Whether order lines refer to the good; nullopt when the store cannot tell.
    std::optional<bool> goodInUse(int idGood);

    DataSet *aqGoods;
    DataSet *aqGoodLines;
    StoredProc *aspInsert;
    StoredProc *aspUpdate;
    StoredProc *aspDelete;
};

} // namespace tarvo
