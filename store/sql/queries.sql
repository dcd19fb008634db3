-- Tarvo.mdb: the stored queries, read as "select * from <name>".
--
-- A column that is a plain table column is selected directly, so that its
-- declared type (CURRENCY, DATETIME, ...) reaches the program's data layer;
-- computed columns carry no declared type and are typed by the windows.
--
-- Money arithmetic stays in integers of ten-thousandths. A line's tax
-- QUANTITY x PRICE x SETUP.NsP is a product of two ten-thousandths values
-- (units of 1e-8); it is divided by 10000 rounding half to even, line by
-- line, exactly as the tax return sums it. SQLite's "/" truncates toward zero
-- and "%" keeps the dividend's sign, hence the explicit correction:
--   T / 10000 + CASE WHEN abs(T % 10000) * 2 > 10000
--                      OR (abs(T % 10000) * 2 = 10000 AND (T / 10000) % 2 <> 0)
--                    THEN CASE WHEN T < 0 THEN -1 ELSE 1 END ELSE 0 END

-- A row per order with its distributor. Lock: the first day of the month
-- after the latest advance's month; orders dated before it are closed.
-- Without an advance it is day 0, 1899-12-30, and nothing is closed.
CREATE VIEW V_ORDER AS
SELECT DISTRIBUTOR.FIO            AS FIO,
       DISTRIBUTOR.ADDRESS        AS ADDRESS,
       DISTRIBUTOR.PHONE          AS PHONE,
       "ORDER".DATE               AS DATE,
       (SELECT coalesce(date(max(Data), 'start of month', '+1 month'), '1899-12-30')
          FROM AVANS)             AS Lock,
       "ORDER".ID_ORDER           AS ID_ORDER,
       "ORDER".ID_DISTRIBUTOR     AS ID_DISTRIBUTOR
  FROM "ORDER"
 INNER JOIN DISTRIBUTOR ON DISTRIBUTOR.ID_DISTRIBUTOR = "ORDER".ID_DISTRIBUTOR
 ORDER BY "ORDER".ID_ORDER;

-- Every advance, oldest first; Month and Year are the date itself, shown by
-- the advances list as the month's name and the year.
CREATE VIEW V_AVANS AS
SELECT ID_AVANS AS ID_AVANS,
       Data     AS Data,
       Data     AS Month,
       Data     AS Year,
       SUMMA    AS SUMMA
  FROM AVANS
 ORDER BY Data, ID_AVANS;

-- The next advance due: the earliest month after the latest advance's month
-- that has ended by the computer's clock and holds an order with a line of a
-- taxed good. SUMM is the tax of that month's taxed lines at the goods'
-- current prices. No such month: no row.
CREATE VIEW V_Get_new AS
WITH due (NewDate) AS (
    SELECT min(strftime('%Y-%m-01', "ORDER".DATE))
      FROM "ORDER"
     INNER JOIN ORDER_LINE ON ORDER_LINE.ID_ORDER = "ORDER".ID_ORDER
     INNER JOIN GOOD ON GOOD.ID_GOOD = ORDER_LINE.ID_GOOD
     WHERE GOOD.NsP = 1
       AND "ORDER".DATE >= coalesce((SELECT date(max(Data), 'start of month', '+1 month')
                                       FROM AVANS), '')
       AND "ORDER".DATE < date('now', 'localtime', 'start of month')
),
line_tax (T) AS (
    SELECT ORDER_LINE.QUANTITY * GOOD.PRICE * SETUP.NsP
      FROM due, SETUP, "ORDER"
     INNER JOIN ORDER_LINE ON ORDER_LINE.ID_ORDER = "ORDER".ID_ORDER
     INNER JOIN GOOD ON GOOD.ID_GOOD = ORDER_LINE.ID_GOOD
     WHERE GOOD.NsP = 1
       AND "ORDER".DATE >= due.NewDate
       AND "ORDER".DATE < date(due.NewDate, '+1 month')
)
SELECT due.NewDate AS NewDate,
       (SELECT sum(T / 10000
                   + CASE WHEN abs(T % 10000) * 2 > 10000
                            OR (abs(T % 10000) * 2 = 10000 AND (T / 10000) % 2 <> 0)
                          THEN CASE WHEN T < 0 THEN -1 ELSE 1 END
                          ELSE 0 END)
          FROM line_tax) AS SUMM
  FROM due
 WHERE due.NewDate IS NOT NULL;

-- The latest advance: greatest Data, then greatest ID_AVANS.
CREATE VIEW V_Get_Old AS
SELECT Data  AS Data,
       SUMMA AS SUMMA
  FROM AVANS
 ORDER BY Data DESC, ID_AVANS DESC
 LIMIT 1;

-- The reporting quarters, from the quarter of the earliest order or advance
-- through the current quarter, oldest first.
CREATE VIEW V_Periods AS
WITH RECURSIVE
today (d) AS (SELECT date('now', 'localtime')),
earliest (d) AS (
    SELECT min(coalesce(min((SELECT min(DATE) FROM "ORDER"), (SELECT min(Data) FROM AVANS)),
                        (SELECT min(DATE) FROM "ORDER"),
                        (SELECT min(Data) FROM AVANS),
                        today.d),
               today.d)
      FROM today
),
bounds (First, Last) AS (
    SELECT date(earliest.d, 'start of month',
                '-' || ((CAST(strftime('%m', earliest.d) AS INTEGER) - 1) % 3) || ' months'),
           date(today.d, 'start of month',
                '-' || ((CAST(strftime('%m', today.d) AS INTEGER) - 1) % 3) || ' months')
      FROM earliest, today
),
quarter (Start) AS (
    SELECT First FROM bounds
    UNION ALL
    SELECT date(quarter.Start, '+3 months') FROM quarter, bounds WHERE quarter.Start < bounds.Last
)
SELECT ((CAST(strftime('%m', Start) AS INTEGER) + 2) / 3) || ' квартал '
           || strftime('%Y', Start) || ' г.'            AS Period,
       Start                                            AS Start,
       date(Start, '+3 months', '-1 day')               AS Finish
  FROM quarter
 ORDER BY Start;

-- The firm's data for the tax return. Name: "<name>, ИНН <INN>"; NspVal: the
-- rate in percent in its shortest decimal form ("5" for 0.05, "5.5" for
-- 0.055), formed from the integer ten-thousandths (NsP / 100 per cent).
CREATE VIEW V_Setup AS
SELECT OurIMNS AS OurIMNS,
       OurFIO  AS OURFIO,
       OurTel  AS OurTel,
       coalesce(OurName, '') || ', ИНН ' || coalesce(OurINN, '') AS Name,
       CASE WHEN NsP % 100 = 0 THEN CAST(NsP / 100 AS TEXT)
            WHEN NsP % 10 = 0  THEN (NsP / 100) || '.' || (NsP % 100 / 10)
            ELSE (NsP / 100) || '.' || printf('%02d', NsP % 100)
       END AS NspVal
  FROM SETUP;

-- A row per order line with its order, good and distributor, for the
-- distributor's receipt. SUMMA = QUANTITY x PRICE exactly (ten-thousandths);
-- NsP_Sum = SUMMA x rate for a taxed good, else 0, as a REAL in roubles.
CREATE VIEW V_Distributor_Check AS
SELECT "ORDER".ID_ORDER                   AS ID_ORDER,
       "ORDER".DATE                       AS DATE,
       DISTRIBUTOR.FIO                    AS FIO,
       ORDER_LINE.ID_ORDER_LINE           AS ID_ORDER_LINE,
       ORDER_LINE.ID_GOOD                 AS ID_GOOD,
       GOOD.GOOD_NAME                     AS GOOD_NAME,
       ORDER_LINE.QUANTITY                AS QUANTITY,
       GOOD.PRICE                         AS PRICE,
       ORDER_LINE.QUANTITY * GOOD.PRICE   AS SUMMA,
       CASE WHEN GOOD.NsP
            THEN CAST(ORDER_LINE.QUANTITY * GOOD.PRICE * SETUP.NsP AS REAL) / 100000000.0
            ELSE 0.0
       END                                AS NsP_Sum,
       DISTRIBUTOR.ID_DISTRIBUTOR         AS ID_DISTRIBUTOR,
       DISTRIBUTOR.ADDRESS                AS ADDRESS,
       DISTRIBUTOR.PHONE                  AS PHONE
  FROM SETUP, ORDER_LINE
 INNER JOIN "ORDER" ON "ORDER".ID_ORDER = ORDER_LINE.ID_ORDER
 INNER JOIN GOOD ON GOOD.ID_GOOD = ORDER_LINE.ID_GOOD
 INNER JOIN DISTRIBUTOR ON DISTRIBUTOR.ID_DISTRIBUTOR = "ORDER".ID_DISTRIBUTOR
 ORDER BY "ORDER".ID_ORDER, ORDER_LINE.ID_ORDER_LINE;
