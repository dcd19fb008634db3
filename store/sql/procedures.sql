-- Tarvo.mdb: the stored procedures.
--
-- A procedure is a view of its name whose columns are its parameters, in
-- order, with an INSTEAD OF INSERT trigger that does the work. It is called by
-- position:
--     INSERT INTO Good_Insert VALUES (?, ?, ?)
-- and a procedure without parameters (a one-column dummy view) as
--     INSERT INTO Add_Avans DEFAULT VALUES
-- A refusal is RAISE(ABORT, '<message>'); the whole call is one statement, so
-- nothing of a refused call is written. The table triggers of the schema
-- check the values themselves; the procedures convert what the program
-- binds (a price as a REAL number of roubles) and check the keys they get.

-- DISTRIBUTOR ---------------------------------------------------------------
-- A distributor without a phone keeps the text "<Нет телефона>".

CREATE VIEW Distributor_Insert AS
SELECT NULL AS P_FIO, NULL AS P_ADDRESS, NULL AS P_PHONE, NULL AS P_BIRTHDAY WHERE 0;

CREATE TRIGGER Distributor_Insert_Run INSTEAD OF INSERT ON Distributor_Insert
BEGIN
    INSERT INTO DISTRIBUTOR (FIO, ADDRESS, PHONE, BIRTHDAY)
    VALUES (NEW.P_FIO, NEW.P_ADDRESS, coalesce(nullif(NEW.P_PHONE, ''), '<Нет телефона>'),
            NEW.P_BIRTHDAY);
END;

CREATE VIEW Distributor_Update AS
SELECT NULL AS P_FIO, NULL AS P_ADDRESS, NULL AS P_PHONE, NULL AS P_BIRTHDAY,
       NULL AS P_ID_DISTRIBUTOR WHERE 0;

CREATE TRIGGER Distributor_Update_Run INSTEAD OF INSERT ON Distributor_Update
BEGIN
    SELECT RAISE(ABORT, 'Дистрибьютор с таким кодом не найден')
     WHERE NOT EXISTS (SELECT 1 FROM DISTRIBUTOR WHERE ID_DISTRIBUTOR = NEW.P_ID_DISTRIBUTOR);
    UPDATE DISTRIBUTOR
       SET FIO = NEW.P_FIO,
           ADDRESS = NEW.P_ADDRESS,
           PHONE = coalesce(nullif(NEW.P_PHONE, ''), '<Нет телефона>'),
           BIRTHDAY = NEW.P_BIRTHDAY
     WHERE ID_DISTRIBUTOR = NEW.P_ID_DISTRIBUTOR;
END;

CREATE VIEW Distributor_Delete AS
SELECT NULL AS P_ID_DISTRIBUTOR WHERE 0;

CREATE TRIGGER Distributor_Delete_Run INSTEAD OF INSERT ON Distributor_Delete
BEGIN
    SELECT RAISE(ABORT, 'Дистрибьютор с таким кодом не найден')
     WHERE NOT EXISTS (SELECT 1 FROM DISTRIBUTOR WHERE ID_DISTRIBUTOR = NEW.P_ID_DISTRIBUTOR);
    DELETE FROM DISTRIBUTOR WHERE ID_DISTRIBUTOR = NEW.P_ID_DISTRIBUTOR;
END;

-- GOOD ----------------------------------------------------------------------
-- P_PRICE arrives as a REAL number of roubles (12.5) and is stored as
-- ten-thousandths: round(P_PRICE * 10000).

CREATE VIEW Good_Insert AS
SELECT NULL AS P_GOOD_NAME, NULL AS P_PRICE, NULL AS P_NsP WHERE 0;

CREATE TRIGGER Good_Insert_Run INSTEAD OF INSERT ON Good_Insert
BEGIN
    SELECT RAISE(ABORT, 'Не указана цена товара') WHERE NEW.P_PRICE IS NULL;
    SELECT RAISE(ABORT, 'Цена товара должна быть числом')
     WHERE typeof(NEW.P_PRICE) NOT IN ('integer', 'real');
    SELECT RAISE(ABORT, 'Цена товара не может быть отрицательной') WHERE NEW.P_PRICE < 0;
    SELECT RAISE(ABORT, 'Цена товара слишком велика') WHERE NEW.P_PRICE >= 100000000000000;
    INSERT INTO GOOD (GOOD_NAME, PRICE, NsP)
    VALUES (NEW.P_GOOD_NAME, CAST(round(NEW.P_PRICE * 10000) AS INTEGER), NEW.P_NsP);
END;

CREATE VIEW Good_Update AS
SELECT NULL AS P_GOOD_NAME, NULL AS P_PRICE, NULL AS P_NSP, NULL AS P_ID_GOOD WHERE 0;

CREATE TRIGGER Good_Update_Run INSTEAD OF INSERT ON Good_Update
BEGIN
    SELECT RAISE(ABORT, 'Товар с таким кодом не найден')
     WHERE NOT EXISTS (SELECT 1 FROM GOOD WHERE ID_GOOD = NEW.P_ID_GOOD);
    SELECT RAISE(ABORT, 'Не указана цена товара') WHERE NEW.P_PRICE IS NULL;
    SELECT RAISE(ABORT, 'Цена товара должна быть числом')
     WHERE typeof(NEW.P_PRICE) NOT IN ('integer', 'real');
    SELECT RAISE(ABORT, 'Цена товара не может быть отрицательной') WHERE NEW.P_PRICE < 0;
    SELECT RAISE(ABORT, 'Цена товара слишком велика') WHERE NEW.P_PRICE >= 100000000000000;
    UPDATE GOOD
       SET GOOD_NAME = NEW.P_GOOD_NAME,
           PRICE = CAST(round(NEW.P_PRICE * 10000) AS INTEGER),
           NsP = NEW.P_NSP
     WHERE ID_GOOD = NEW.P_ID_GOOD;
END;

CREATE VIEW Good_Delete AS
SELECT NULL AS P_ID_GOOD WHERE 0;

-- Refused by the GOOD table while order lines refer to the good.
CREATE TRIGGER Good_Delete_Run INSTEAD OF INSERT ON Good_Delete
BEGIN
    SELECT RAISE(ABORT, 'Товар с таким кодом не найден')
     WHERE NOT EXISTS (SELECT 1 FROM GOOD WHERE ID_GOOD = NEW.P_ID_GOOD);
    DELETE FROM GOOD WHERE ID_GOOD = NEW.P_ID_GOOD;
END;

-- ORDER ---------------------------------------------------------------------
-- The closed period is guarded by the ORDER and ORDER_LINE tables.

CREATE VIEW Order_Insert AS
SELECT NULL AS P_DATE, NULL AS P_ID_DISTRIBUTOR WHERE 0;

CREATE TRIGGER Order_Insert_Run INSTEAD OF INSERT ON Order_Insert
BEGIN
    INSERT INTO "ORDER" (DATE, ID_DISTRIBUTOR) VALUES (NEW.P_DATE, NEW.P_ID_DISTRIBUTOR);
END;

CREATE VIEW Order_Update AS
SELECT NULL AS P_DATE, NULL AS P_ID_DISTRIBUTOR, NULL AS P_ID_ORDER WHERE 0;

CREATE TRIGGER Order_Update_Run INSTEAD OF INSERT ON Order_Update
BEGIN
    SELECT RAISE(ABORT, 'Заказ с таким номером не найден')
     WHERE NOT EXISTS (SELECT 1 FROM "ORDER" WHERE ID_ORDER = NEW.P_ID_ORDER);
    UPDATE "ORDER"
       SET DATE = NEW.P_DATE,
           ID_DISTRIBUTOR = NEW.P_ID_DISTRIBUTOR
     WHERE ID_ORDER = NEW.P_ID_ORDER;
END;

CREATE VIEW Order_Delete AS
SELECT NULL AS P_ID_ORDER WHERE 0;

-- Deletes the order together with its lines (trigger ORDER_Delete_Lines).
CREATE TRIGGER Order_Delete_Run INSTEAD OF INSERT ON Order_Delete
BEGIN
    SELECT RAISE(ABORT, 'Заказ с таким номером не найден')
     WHERE NOT EXISTS (SELECT 1 FROM "ORDER" WHERE ID_ORDER = NEW.P_ID_ORDER);
    DELETE FROM "ORDER" WHERE ID_ORDER = NEW.P_ID_ORDER;
END;

-- AVANS ---------------------------------------------------------------------

-- Appends the advance V_Get_new shows; it becomes the last row of V_AVANS
-- and closes its month and every earlier one.
CREATE VIEW Add_Avans AS
SELECT NULL AS NO_PARAMETERS WHERE 0;

CREATE TRIGGER Add_Avans_Run INSTEAD OF INSERT ON Add_Avans
BEGIN
    SELECT RAISE(ABORT, 'Начислять нечего: нет завершившегося месяца после последнего аванса с заказами облагаемых НсП товаров')
     WHERE NOT EXISTS (SELECT 1 FROM V_Get_new);
    INSERT INTO AVANS (Data, SUMMA) SELECT NewDate, SUMM FROM V_Get_new;
END;

-- Deletes the advance V_Get_Old shows, which opens its month again.
CREATE VIEW DElete_Avans AS
SELECT NULL AS NO_PARAMETERS WHERE 0;

CREATE TRIGGER DElete_Avans_Run INSTEAD OF INSERT ON DElete_Avans
BEGIN
    SELECT RAISE(ABORT, 'Откатывать нечего: нет ни одного аванса')
     WHERE NOT EXISTS (SELECT 1 FROM AVANS);
    DELETE FROM AVANS
     WHERE ID_AVANS = (SELECT ID_AVANS FROM AVANS ORDER BY Data DESC, ID_AVANS DESC LIMIT 1);
END;
