#pragma once

#include "ui/Form.h"
#include "ui/Singleton.h"

#include <array>

class QLineEdit;

namespace tarvo {

class DataSet;

namespace ui {
class CalcEdit;
class FlatButton;
} // namespace ui

// The window "Настройка": the firm's and the tax inspectorate's requisites and
// the sales tax rate, the single row of SETUP edited in place through the
// updatable query aqSetup.
//
// The edits are filled from the row when the window is shown; "&OK" puts the
// row into editing (a new row when the table has none), writes every edit into
// it and posts it at once. "&Cancel" and the close box write nothing. A save
// the store refuses is reported in the error box and the window stays open
// with the entries, so the user can correct them.
class TfmSetup : public ui::Form, public ui::Singleton<TfmSetup>
{
    Q_OBJECT
public:
    static constexpr int RequisiteCount = 15;
    // The size of the requisites' text columns.
    static constexpr int RequisiteLength = 50;

    explicit TfmSetup(QWidget *parent = nullptr);

protected:
    void formShow() override { FormShow(); }
    void formClose() override { FormClose(); }

private:
    void FormShow();
    void FormClose();
    void rsbOkClick();
    // Shared change handler of the fifteen requisites edits and the rate.
    void deReq1Change();
    // "&OK" is enabled with every requisite non-empty, a non-zero rate and
    // the row at hand (aqSetup open).
    void CheckOk();

    void clearEntries();
    void showRow();
    void saveRow();

    DataSet *aqSetup;
    std::array<QLineEdit *, RequisiteCount> deReq{};
    ui::CalcEdit *rdbceNsp;
    ui::FlatButton *rsbOk;
    ui::FlatButton *RxSpeedButton2;
};

} // namespace tarvo
