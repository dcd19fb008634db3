#pragma once

// SQL sent by the sales-tax windows and reports: the advances, the payment
// order and the tax return, and the advance procedures. A statement is its
// lines joined by line breaks; ":NAME" is a parameter. Money columns and sums
// are integers of ten-thousandths.
namespace tarvo::sql {

// aqAvans of the advances window: every advance, oldest first.
inline constexpr const char *AvansListSelect = "select * from V_AVANS";
// aqAvans of the accrual dialog: the next advance due (no row: none due).
inline constexpr const char *DueAvansSelect = "select * from V_Get_new";
// aqAvans of the roll-back dialog: the latest advance.
inline constexpr const char *LatestAvansSelect = "select * from V_Get_Old";

// aqPP of the payment order: the advance chosen in the advances window.
inline constexpr const char *PaymentOrderAvansSelect = "select * from Avans";
inline constexpr const char *PaymentOrderAvansWhere = "where ID_Avans=:ID_Avans";
// aqSetup of the payment order: the select line followed by an empty line.
inline constexpr const char *PaymentOrderSetupSelect = "select * from Setup";
inline constexpr const char *PaymentOrderSetupSecondLine = "";

// aqPeriods of the period dialog: the reporting quarters.
inline constexpr const char *PeriodsSelect = "select * from V_Periods";

// aqSetup of the tax return.
inline constexpr const char *ReturnSetupSelect = "Select * from V_Setup";

// aqAvans of the tax return: the advances of the period, both ends included;
// Avans is null when the period has none.
inline constexpr const char *ReturnAvansSelect = "select sum(Summa) as Avans from avans";
inline constexpr const char *ReturnAvansWhere = "where (data>=:start) and (DATA<=:Finish)";

// aqNsp of the tax return: one row of four sums over the lines of the orders
// dated from :Start to :Finish, valued at the goods' current prices; all four
// are null when no order falls in the period. The WHERE filters the rows
// before summing. SumNsp adds each taxed line's QUANTITY x PRICE x rate
// (a product of two ten-thousandths values) divided by 10000, rounded half to
// even in integers: "/" truncates toward zero and "%" keeps the dividend's
// sign, so a remainder of exactly half moves the quotient only when it is odd.
inline constexpr const char *ReturnNspSelect =
    "SELECT Sum([QUANTITY]*[price]) AS SumTotal, "
    "Sum(CASE WHEN GOOD.NsP THEN 0 ELSE [QUANTITY]*[price] END) AS SumNoNsp, "
    "Sum(CASE WHEN NOT GOOD.NsP THEN 0 ELSE [QUANTITY]*[price] END) AS SumNspNsp, "
    "Sum(CASE WHEN NOT GOOD.NsP THEN 0 ELSE "
    "([QUANTITY]*[price]*[Setup].[Nsp])/10000"
    " + CASE WHEN abs(([QUANTITY]*[price]*[Setup].[Nsp])%10000)*2 > 10000"
    " OR (abs(([QUANTITY]*[price]*[Setup].[Nsp])%10000)*2 = 10000"
    " AND (([QUANTITY]*[price]*[Setup].[Nsp])/10000)%2 <> 0)"
    " THEN CASE WHEN [QUANTITY]*[price]*[Setup].[Nsp] < 0 THEN -1 ELSE 1 END"
    " ELSE 0 END END) AS SumNsp";
inline constexpr const char *ReturnNspFrom =
    "FROM SETUP, [ORDER] INNER JOIN (GOOD INNER JOIN ORDER_LINE ON GOOD.ID_GOOD = "
    "ORDER_LINE.ID_GOOD) ON [ORDER].ID_ORDER = ORDER_LINE.ID_ORDER";
inline constexpr const char *ReturnNspWhere =
    "WHERE ((([ORDER].DATE)>=:Start And ([ORDER].DATE)<=:Finish));";

// Stored procedures without parameters.
// Add_Avans: appends the advance V_Get_new shows; refused when none is due.
inline constexpr const char *AddAvansProc = "Add_Avans";
// DElete_Avans: deletes the advance V_Get_Old shows; refused when there is none.
inline constexpr const char *DeleteAvansProc = "DElete_Avans";

} // namespace tarvo::sql
