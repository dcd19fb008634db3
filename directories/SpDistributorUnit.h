#pragma once

#include "directories/SortableListForm.h"
#include "ui/Singleton.h"

namespace tarvo {

class DataSet;
class StoredProc;
struct DistributorEntry;

// The window "Дистрибьютеры": the distributors list. Add and change go
// through the dialog TfmDistributorEdit and the procedures
// Distributor_Insert and Distributor_Update; an insert or change the store
// refuses is reported and the dialog comes back with what was typed. Delete
// asks first and runs Distributor_Delete; a refusal is reported and the list
// stays as it was.
//
// The address is passed as its lines, each followed by CR LF; an empty phone
// is stored as "<Нет телефона>", which shows as an empty phone field again.
class TfmDistributorList : public SortableListForm, public ui::Singleton<TfmDistributorList>
{
    Q_OBJECT
public:
    // PHONE of a distributor without a phone.
    static constexpr const char *NoPhone = "<Нет телефона>";

    explicit TfmDistributorList(QWidget *parent = nullptr);

protected:
    void sbAddClick() override;
    void sbChangeClick() override;
    void sbDeleteClick() override;

private:
    // Fills the first four parameters, shared by insert and update.
    static void setEntryParams(StoredProc *proc, const DistributorEntry &entry);

    DataSet *aqDistributors;
    StoredProc *aspInsert;
    StoredProc *aspUpdate;
    StoredProc *aspDelete;
};

} // namespace tarvo
