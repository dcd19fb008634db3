#pragma once

// SQL sent by the orders windows: the order header dialog's distributors,
// the orders list, its lines, its goods, an order's totals and the
// distributor's receipt, and the order procedures. A statement is its lines
// joined by line breaks; ":NAME" is a parameter.
namespace tarvo::sql {

// aqDistributors of the order header dialog.
inline constexpr const char *OrderEditDistributorsSelect = "Select * from DISTRIBUTOR";
inline constexpr const char *OrderEditDistributorsOrder = "ORDER BY FIO";

// aqOrders of the orders window; an optional second line sorts it:
// OrderListSortPrefix + field name (+ OrderListSortDescending).
inline constexpr const char *OrderListSelect = "Select * from V_ORDER";
inline constexpr const char *OrderListSortPrefix = "order by ";
inline constexpr const char *OrderListSortDescending = " desc";

// aqOrderLine, updatable: the current order's lines with the tax rate
// (Nsp_Val, read-only). :ID_ORDER comes from aqOrders.
inline constexpr const char *OrderLineSelect =
    "Select ORDER_LINE.*, SETUP.Nsp as Nsp_Val from ORDER_LINE,SETUP";
inline constexpr const char *OrderLineWhere = "where ID_ORDER=:ID_ORDER";

// aqGoods of the orders window: the lookup of the lines' goods.
inline constexpr const char *OrderGoodsSelect = "select * from GOOD";
inline constexpr const char *OrderGoodsOrder = "ORDER BY GOOD.GOOD_NAME";

// aqGetQty, one order's totals at the goods' current prices: QTY, SUMM
// (ten-thousandths), ID_ORDER; no row for an order without lines.
inline constexpr const char *OrderTotalsSelect =
    "SELECT Sum(ORDER_LINE.QUANTITY) AS QTY, Sum([QUANTITY]*[PRICE]) AS SUMM, ORDER_LINE.ID_ORDER";
inline constexpr const char *OrderTotalsFrom =
    "FROM GOOD INNER JOIN ORDER_LINE ON GOOD.ID_GOOD = ORDER_LINE.ID_GOOD";
inline constexpr const char *OrderTotalsWhere = "WHERE ID_ORDER=:ID_ORDER";
inline constexpr const char *OrderTotalsGroupBy = "GROUP BY ORDER_LINE.ID_ORDER;";

// aqCheck of the distributor's receipt: the order's lines with order, good
// and distributor.
inline constexpr const char *CheckSelect = "select * from V_Distributor_Check";
inline constexpr const char *CheckWhere = "where ID_ORDER=:ID_ORDER";

// Stored procedures, called with their parameters by position.
// Order_Insert(P_DATE date; P_ID_DISTRIBUTOR integer)
inline constexpr const char *OrderInsertProc = "Order_Insert";
// Order_Update(P_DATE; P_ID_DISTRIBUTOR, P_ID_ORDER integer)
inline constexpr const char *OrderUpdateProc = "Order_Update";
// Order_Delete(P_ID_ORDER): the order with its lines.
inline constexpr const char *OrderDeleteProc = "Order_Delete";

} // namespace tarvo::sql
