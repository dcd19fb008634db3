#pragma once

#include "data/DateTime.h"
#include "directories/EditDialog.h"
#include "ui/Singleton.h"

#include <QString>
#include <QStringList>

#include <optional>

class QLineEdit;

namespace tarvo {

class AddressBox;

namespace ui {
class DateEdit;
} // namespace ui

// What the distributor dialog holds. The phone is the text as typed (empty
// when none was given); the address is its lines.
struct DistributorEntry
{
    QString fio;
    QStringList address;
    QString phone;
    std::optional<DateTime> birthday;
};

// The window "Дистрибьютор": the dialog that adds or changes a distributor.
// The distributors list fills it before every showing and reads it back
// after "&OK"; the dialog itself only checks the entries.
//
// "&OK" is enabled with a name, an address and a valid birthday (CheckOk).
// Enter confirms from every field while "&OK" is enabled, the address box
// included, except the phone field: there, as for every typed character
// other than a digit, "(", ")", "-" and backspace, the application-wide
// message hook AE drops it while the phone field has the focus and the
// dialog is active. Pasted text is not filtered. The edits take no more than
// their columns hold: 50 characters for the name and the phone, 250 for the
// address with its line breaks.
class TfmDistributorEdit : public EditDialog, public ui::Singleton<TfmDistributorEdit>
{
    Q_OBJECT
public:
    // The sizes of DISTRIBUTOR.FIO and DISTRIBUTOR.PHONE.
    static constexpr int FioLength = 50;
    static constexpr int PhoneLength = 50;

    explicit TfmDistributorEdit(QWidget *parent = nullptr);
    ~TfmDistributorEdit() override;

    // A new distributor: no code row, every field empty.
    void prepareAdd();
    // An existing distributor: the code row shows its code.
    void prepareChange(int idDistributor, const DistributorEntry &distributor);
    DistributorEntry entry() const;

protected:
    bool event(QEvent *event) override;

private:
    void FormActivate();
    void edFIOChange();
    void CheckOk();
    // The hook AE: true drops the message.
    bool AEMessage(QObject *receiver, QEvent *message);

    QLineEdit *edFIO;
    AddressBox *mmAddress;
    ui::DateEdit *deBirthday;
    QLineEdit *edPhone;
    QObject *AE;
};

} // namespace tarvo
