#pragma once

// SQL sent by the directories windows: the distributors list and the goods
// list, and the names of the stored procedures they run. A statement is its
// lines joined by line breaks.
namespace tarvo::sql {

// aqDistributors of the distributors list: the select line, then one order
// line, set before every open.
inline constexpr const char *DistributorListSelect = "SELECT * FROM DISTRIBUTOR";
// The order line when the window is shown.
inline constexpr const char *DistributorListOrderById = "ORDER BY ID_DISTRIBUTOR";

// aqGoods of the goods list: the select line, then one order line.
inline constexpr const char *GoodListSelect = "SELECT * FROM Good";
inline constexpr const char *GoodListOrderById = "ORDER BY ID_GOOD";

// The order line after a click on a column title of either list:
// ListSortPrefix + the column's field name, + ListSortDescending for a
// descending sort.
inline constexpr const char *ListSortPrefix = "order by ";
inline constexpr const char *ListSortDescending = " desc";

// Stored procedures, called with their parameters by position.
// Distributor_Insert(P_FIO, P_ADDRESS, P_PHONE text; P_BIRTHDAY date)
inline constexpr const char *DistributorInsertProc = "Distributor_Insert";
// Distributor_Update(P_FIO, P_ADDRESS, P_PHONE, P_BIRTHDAY, P_ID_DISTRIBUTOR integer)
inline constexpr const char *DistributorUpdateProc = "Distributor_Update";
// Distributor_Delete(P_ID_DISTRIBUTOR); refused while orders refer to it.
inline constexpr const char *DistributorDeleteProc = "Distributor_Delete";
// Good_Insert(P_GOOD_NAME text; P_PRICE float, roubles; P_NsP boolean)
inline constexpr const char *GoodInsertProc = "Good_Insert";
// Good_Update(P_GOOD_NAME, P_PRICE, P_NSP, P_ID_GOOD integer)
inline constexpr const char *GoodUpdateProc = "Good_Update";
// Good_Delete(P_ID_GOOD); refused while order lines refer to the good.
inline constexpr const char *GoodDeleteProc = "Good_Delete";

// aqGoodLines of the goods list: how many order lines refer to a good, asked
// after a refused delete to tell "the good is in use" from other failures.
inline constexpr const char *GoodOrderLinesCount =
    "SELECT COUNT(*) AS LINE_COUNT FROM ORDER_LINE WHERE ID_GOOD = :ID_GOOD";

} // namespace tarvo::sql
