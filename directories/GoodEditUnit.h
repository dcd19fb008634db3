#pragma once

#include "data/Money.h"
#include "directories/EditDialog.h"
#include "ui/Singleton.h"

#include <QString>

class QLineEdit;

namespace tarvo {

namespace ui {
class CurrencyEdit;
class TriStateCheckBox;
} // namespace ui

// What the goods dialog holds: the name, the price and whether the good is
// subject to the sales tax.
struct GoodEntry
{
    QString name;
    Money price;
    bool nsp = false;
};

// The window "Товар": the dialog that adds or changes a good. The goods list
// fills it before every showing and reads it back after "&OK"; the dialog
// itself only checks the entries.
//
// "&OK" is enabled with a name, a price text and a decided tax flag (CheckOk).
// The flag starts undecided for a new good; a click moves it unchecked,
// undecided, checked. A zero price set by the program shows as an empty
// field and so keeps "&OK" disabled, while a typed 0 enables it. Enter
// confirms from any field while "&OK" is enabled. The name takes at most
// the 50 characters its column holds.
class TfmGoodEdit : public EditDialog, public ui::Singleton<TfmGoodEdit>
{
    Q_OBJECT
public:
    // The size of GOOD.GOOD_NAME.
    static constexpr int NameLength = 50;

    explicit TfmGoodEdit(QWidget *parent = nullptr);

    // A new good: no code row, empty price and name, the flag undecided.
    void prepareAdd();
    // An existing good: the code row shows its code; the flag is checked or
    // unchecked, never undecided.
    void prepareChange(int idGood, const GoodEntry &good);
    // The entries as they stand; the flag counts only when checked.
    GoodEntry entry() const;

protected:
    void formShow() override { FormShow(); }

private:
    void FormShow();
    void cePriceChange();
    void CheckOk();

    ui::TriStateCheckBox *cbNsP;
    QLineEdit *edName;
    ui::CurrencyEdit *cePrice;
};

} // namespace tarvo
