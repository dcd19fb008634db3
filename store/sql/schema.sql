-- Tarvo.mdb: the tables of the sales-tax workstation.
--
-- Declared types are read back by the program's data layer
-- (sqlite3_column_decltype), so they are spelled exactly:
--   INTEGER    keys and whole numbers
--   TEXT(50)   texts of at most 50 characters (ADDRESS: TEXT(250))
--   CURRENCY   money and the rate: an INTEGER count of ten-thousandths
--              (12.5 is stored as 125000)
--   BOOLEAN    0 or 1
--   DATETIME   ISO-8601 text: "2026-03-31", or "2026-03-31 14:05:00" where a
--              time of day exists
--
-- Every rule is a BEFORE trigger that refuses with RAISE(ABORT, '<message>'),
-- so a refused write changes nothing and the program shows a Russian message.
-- The triggers also hold where PRAGMA foreign_keys is off (the stock sqlite3
-- shell); the declared foreign keys back them up on the program's
-- connections, which switch foreign keys on.
--
-- Closed period: an advance for a month closes every order dated before the
-- first day of the next month (the "Lock" of V_ORDER). The lock date is
--   (SELECT date(max(Data), 'start of month', '+1 month') FROM AVANS)
-- which is NULL, locking nothing, while there is no advance. A trigger message
-- is a literal in SQLite, so the messages name the closed period in words.

CREATE TABLE DISTRIBUTOR (
    ID_DISTRIBUTOR INTEGER PRIMARY KEY AUTOINCREMENT,
    FIO            TEXT(50) NOT NULL,
    ADDRESS        TEXT(250),
    BIRTHDAY       DATETIME,
    PHONE          TEXT(50)
);

CREATE TABLE GOOD (
    ID_GOOD   INTEGER PRIMARY KEY AUTOINCREMENT,
    GOOD_NAME TEXT(50) NOT NULL,
    PRICE     CURRENCY NOT NULL,
    NsP       BOOLEAN NOT NULL
);

CREATE TABLE "ORDER" (
    ID_ORDER       INTEGER PRIMARY KEY AUTOINCREMENT,
    DATE           DATETIME NOT NULL,
    ID_DISTRIBUTOR INTEGER NOT NULL REFERENCES DISTRIBUTOR (ID_DISTRIBUTOR)
);

CREATE TABLE ORDER_LINE (
    ID_ORDER_LINE INTEGER PRIMARY KEY AUTOINCREMENT,
    ID_ORDER      INTEGER NOT NULL REFERENCES "ORDER" (ID_ORDER) ON DELETE CASCADE,
    ID_GOOD       INTEGER NOT NULL REFERENCES GOOD (ID_GOOD),
    QUANTITY      INTEGER NOT NULL
);

CREATE TABLE SETUP (
    OurName    TEXT(50) DEFAULT '',
    OurINN     TEXT(50) DEFAULT '',
    OurBank    TEXT(50) DEFAULT '',
    OurBIK     TEXT(50) DEFAULT '',
    OurKorrSch TEXT(50) DEFAULT '',
    OurRs      TEXT(50) DEFAULT '',
    OurFIO     TEXT(50) DEFAULT '',
    OurTel     TEXT(50) DEFAULT '',
    OurIMNS    TEXT(50) DEFAULT '',
    MNSINN     TEXT(50) DEFAULT '',
    MNSBank    TEXT(50) DEFAULT '',
    MNSBIK     TEXT(50) DEFAULT '',
    MNSKorrSch TEXT(50) DEFAULT '',
    MNSRs      TEXT(50) DEFAULT '',
    MNSNAME    TEXT(50) DEFAULT '',
    NsP        CURRENCY NOT NULL DEFAULT 500
);

CREATE TABLE AVANS (
    ID_AVANS INTEGER PRIMARY KEY AUTOINCREMENT,
    Data     DATETIME NOT NULL,
    SUMMA    CURRENCY NOT NULL
);

CREATE INDEX ORDER_DISTRIBUTOR ON "ORDER" (ID_DISTRIBUTOR);
CREATE INDEX ORDER_DATE ON "ORDER" (DATE);
CREATE INDEX ORDER_LINE_ORDER ON ORDER_LINE (ID_ORDER);
CREATE INDEX ORDER_LINE_GOOD ON ORDER_LINE (ID_GOOD);
CREATE INDEX AVANS_DATA ON AVANS (Data);

-- The single row of requisites and the rate: empty requisites, rate 5 %.
INSERT INTO SETUP (NsP) VALUES (500);

-- DISTRIBUTOR ---------------------------------------------------------------

CREATE TRIGGER DISTRIBUTOR_Check_Insert BEFORE INSERT ON DISTRIBUTOR
BEGIN
    SELECT RAISE(ABORT, 'Не указано ФИО дистрибьютора')
     WHERE NEW.FIO IS NULL OR trim(NEW.FIO) = '';
    SELECT RAISE(ABORT, 'Поле «ФИО» длиннее 50 символов') WHERE length(NEW.FIO) > 50;
    SELECT RAISE(ABORT, 'Поле «Адрес» длиннее 250 символов') WHERE length(NEW.ADDRESS) > 250;
    SELECT RAISE(ABORT, 'Поле «Телефон» длиннее 50 символов') WHERE length(NEW.PHONE) > 50;
    SELECT RAISE(ABORT, 'Поле «Дата рождения» должно содержать дату в виде ГГГГ-ММ-ДД')
     WHERE NEW.BIRTHDAY IS NOT NULL
       AND NOT coalesce(typeof(NEW.BIRTHDAY) = 'text'
                        AND NEW.BIRTHDAY IN (date(NEW.BIRTHDAY, '+0 days'),
                                             datetime(NEW.BIRTHDAY, '+0 days'),
                                             strftime('%Y-%m-%dT%H:%M:%S', NEW.BIRTHDAY, '+0 days')), 0);
END;

CREATE TRIGGER DISTRIBUTOR_Check_Update BEFORE UPDATE ON DISTRIBUTOR
BEGIN
    SELECT RAISE(ABORT, 'Код дистрибьютора не изменяется')
     WHERE NEW.ID_DISTRIBUTOR IS NOT OLD.ID_DISTRIBUTOR;
    SELECT RAISE(ABORT, 'Не указано ФИО дистрибьютора')
     WHERE NEW.FIO IS NULL OR trim(NEW.FIO) = '';
    SELECT RAISE(ABORT, 'Поле «ФИО» длиннее 50 символов') WHERE length(NEW.FIO) > 50;
    SELECT RAISE(ABORT, 'Поле «Адрес» длиннее 250 символов') WHERE length(NEW.ADDRESS) > 250;
    SELECT RAISE(ABORT, 'Поле «Телефон» длиннее 50 символов') WHERE length(NEW.PHONE) > 50;
    SELECT RAISE(ABORT, 'Поле «Дата рождения» должно содержать дату в виде ГГГГ-ММ-ДД')
     WHERE NEW.BIRTHDAY IS NOT NULL
       AND NOT coalesce(typeof(NEW.BIRTHDAY) = 'text'
                        AND NEW.BIRTHDAY IN (date(NEW.BIRTHDAY, '+0 days'),
                                             datetime(NEW.BIRTHDAY, '+0 days'),
                                             strftime('%Y-%m-%dT%H:%M:%S', NEW.BIRTHDAY, '+0 days')), 0);
END;

CREATE TRIGGER DISTRIBUTOR_Check_Delete BEFORE DELETE ON DISTRIBUTOR
BEGIN
    SELECT RAISE(ABORT, 'Нельзя удалить дистрибьютора: у него есть заказы')
     WHERE EXISTS (SELECT 1 FROM "ORDER" WHERE ID_DISTRIBUTOR = OLD.ID_DISTRIBUTOR);
END;

-- GOOD ----------------------------------------------------------------------

CREATE TRIGGER GOOD_Check_Insert BEFORE INSERT ON GOOD
BEGIN
    SELECT RAISE(ABORT, 'Не указано наименование товара')
     WHERE NEW.GOOD_NAME IS NULL OR trim(NEW.GOOD_NAME) = '';
    SELECT RAISE(ABORT, 'Поле «Наименование товара» длиннее 50 символов')
     WHERE length(NEW.GOOD_NAME) > 50;
    SELECT RAISE(ABORT, 'Не указана цена товара') WHERE NEW.PRICE IS NULL;
    SELECT RAISE(ABORT, 'Цена товара должна быть целым числом десятитысячных долей рубля')
     WHERE typeof(NEW.PRICE) <> 'integer';
    SELECT RAISE(ABORT, 'Цена товара не может быть отрицательной') WHERE NEW.PRICE < 0;
    SELECT RAISE(ABORT, 'Признак «Облагается НсП» должен быть 0 или 1')
     WHERE NEW.NsP IS NULL OR typeof(NEW.NsP) <> 'integer' OR NEW.NsP NOT IN (0, 1);
END;

CREATE TRIGGER GOOD_Check_Update BEFORE UPDATE ON GOOD
BEGIN
    SELECT RAISE(ABORT, 'Код товара не изменяется') WHERE NEW.ID_GOOD IS NOT OLD.ID_GOOD;
    SELECT RAISE(ABORT, 'Не указано наименование товара')
     WHERE NEW.GOOD_NAME IS NULL OR trim(NEW.GOOD_NAME) = '';
    SELECT RAISE(ABORT, 'Поле «Наименование товара» длиннее 50 символов')
     WHERE length(NEW.GOOD_NAME) > 50;
    SELECT RAISE(ABORT, 'Не указана цена товара') WHERE NEW.PRICE IS NULL;
    SELECT RAISE(ABORT, 'Цена товара должна быть целым числом десятитысячных долей рубля')
     WHERE typeof(NEW.PRICE) <> 'integer';
    SELECT RAISE(ABORT, 'Цена товара не может быть отрицательной') WHERE NEW.PRICE < 0;
    SELECT RAISE(ABORT, 'Признак «Облагается НсП» должен быть 0 или 1')
     WHERE NEW.NsP IS NULL OR typeof(NEW.NsP) <> 'integer' OR NEW.NsP NOT IN (0, 1);
END;

CREATE TRIGGER GOOD_Check_Delete BEFORE DELETE ON GOOD
BEGIN
    SELECT RAISE(ABORT, 'Нельзя удалить товар: на него ссылаются строки заказов')
     WHERE EXISTS (SELECT 1 FROM ORDER_LINE WHERE ID_GOOD = OLD.ID_GOOD);
END;

-- ORDER ---------------------------------------------------------------------

CREATE TRIGGER ORDER_Check_Insert BEFORE INSERT ON "ORDER"
BEGIN
    SELECT RAISE(ABORT, 'Поле «Дата заказа» должно содержать дату в виде ГГГГ-ММ-ДД')
     WHERE NOT coalesce(typeof(NEW.DATE) = 'text'
                        AND NEW.DATE IN (date(NEW.DATE, '+0 days'),
                                         datetime(NEW.DATE, '+0 days'),
                                         strftime('%Y-%m-%dT%H:%M:%S', NEW.DATE, '+0 days')), 0);
    SELECT RAISE(ABORT, 'Дистрибьютор заказа не найден')
     WHERE NOT EXISTS (SELECT 1 FROM DISTRIBUTOR WHERE ID_DISTRIBUTOR = NEW.ID_DISTRIBUTOR);
    SELECT RAISE(ABORT, 'Период по месяц последнего аванса включительно закрыт: заказ с такой датой добавить нельзя')
     WHERE NEW.DATE < (SELECT date(max(Data), 'start of month', '+1 month') FROM AVANS);
END;

CREATE TRIGGER ORDER_Check_Update BEFORE UPDATE ON "ORDER"
BEGIN
    SELECT RAISE(ABORT, 'Номер заказа не изменяется') WHERE NEW.ID_ORDER IS NOT OLD.ID_ORDER;
    SELECT RAISE(ABORT, 'Период по месяц последнего аванса включительно закрыт: заказ этого периода изменить нельзя')
     WHERE OLD.DATE < (SELECT date(max(Data), 'start of month', '+1 month') FROM AVANS);
    SELECT RAISE(ABORT, 'Поле «Дата заказа» должно содержать дату в виде ГГГГ-ММ-ДД')
     WHERE NOT coalesce(typeof(NEW.DATE) = 'text'
                        AND NEW.DATE IN (date(NEW.DATE, '+0 days'),
                                         datetime(NEW.DATE, '+0 days'),
                                         strftime('%Y-%m-%dT%H:%M:%S', NEW.DATE, '+0 days')), 0);
    SELECT RAISE(ABORT, 'Период по месяц последнего аванса включительно закрыт: заказ нельзя перенести в этот период')
     WHERE NEW.DATE < (SELECT date(max(Data), 'start of month', '+1 month') FROM AVANS);
    SELECT RAISE(ABORT, 'Дистрибьютор заказа не найден')
     WHERE NOT EXISTS (SELECT 1 FROM DISTRIBUTOR WHERE ID_DISTRIBUTOR = NEW.ID_DISTRIBUTOR);
END;

CREATE TRIGGER ORDER_Check_Delete BEFORE DELETE ON "ORDER"
BEGIN
    SELECT RAISE(ABORT, 'Период по месяц последнего аванса включительно закрыт: заказ этого периода удалить нельзя')
     WHERE OLD.DATE < (SELECT date(max(Data), 'start of month', '+1 month') FROM AVANS);
END;

-- An order's lines go with it, also where foreign keys are off.
CREATE TRIGGER ORDER_Delete_Lines AFTER DELETE ON "ORDER"
BEGIN
    DELETE FROM ORDER_LINE WHERE ID_ORDER = OLD.ID_ORDER;
END;

-- ORDER_LINE ----------------------------------------------------------------
-- The orders window writes lines directly, so the closed period is guarded
-- here and not only in the procedures.

CREATE TRIGGER ORDER_LINE_Check_Insert BEFORE INSERT ON ORDER_LINE
BEGIN
    SELECT RAISE(ABORT, 'Заказ строки не найден')
     WHERE NOT EXISTS (SELECT 1 FROM "ORDER" WHERE ID_ORDER = NEW.ID_ORDER);
    SELECT RAISE(ABORT, 'Период по месяц последнего аванса включительно закрыт: строку заказа этого периода добавить нельзя')
     WHERE (SELECT DATE FROM "ORDER" WHERE ID_ORDER = NEW.ID_ORDER)
           < (SELECT date(max(Data), 'start of month', '+1 month') FROM AVANS);
    SELECT RAISE(ABORT, 'Товар строки не найден')
     WHERE NOT EXISTS (SELECT 1 FROM GOOD WHERE ID_GOOD = NEW.ID_GOOD);
    SELECT RAISE(ABORT, 'Не указано количество') WHERE NEW.QUANTITY IS NULL;
    SELECT RAISE(ABORT, 'Количество должно быть целым числом') WHERE typeof(NEW.QUANTITY) <> 'integer';
    SELECT RAISE(ABORT, 'Количество не может быть отрицательным') WHERE NEW.QUANTITY < 0;
    SELECT RAISE(ABORT, 'Количество слишком велико') WHERE NEW.QUANTITY > 2147483647;
END;

CREATE TRIGGER ORDER_LINE_Check_Update BEFORE UPDATE ON ORDER_LINE
BEGIN
    SELECT RAISE(ABORT, 'Код строки заказа не изменяется')
     WHERE NEW.ID_ORDER_LINE IS NOT OLD.ID_ORDER_LINE;
    SELECT RAISE(ABORT, 'Период по месяц последнего аванса включительно закрыт: строку заказа этого периода изменить нельзя')
     WHERE (SELECT DATE FROM "ORDER" WHERE ID_ORDER = OLD.ID_ORDER)
           < (SELECT date(max(Data), 'start of month', '+1 month') FROM AVANS);
    SELECT RAISE(ABORT, 'Заказ строки не найден')
     WHERE NOT EXISTS (SELECT 1 FROM "ORDER" WHERE ID_ORDER = NEW.ID_ORDER);
    SELECT RAISE(ABORT, 'Период по месяц последнего аванса включительно закрыт: строку нельзя перенести в заказ этого периода')
     WHERE (SELECT DATE FROM "ORDER" WHERE ID_ORDER = NEW.ID_ORDER)
           < (SELECT date(max(Data), 'start of month', '+1 month') FROM AVANS);
    SELECT RAISE(ABORT, 'Товар строки не найден')
     WHERE NOT EXISTS (SELECT 1 FROM GOOD WHERE ID_GOOD = NEW.ID_GOOD);
    SELECT RAISE(ABORT, 'Не указано количество') WHERE NEW.QUANTITY IS NULL;
    SELECT RAISE(ABORT, 'Количество должно быть целым числом') WHERE typeof(NEW.QUANTITY) <> 'integer';
    SELECT RAISE(ABORT, 'Количество не может быть отрицательным') WHERE NEW.QUANTITY < 0;
    SELECT RAISE(ABORT, 'Количество слишком велико') WHERE NEW.QUANTITY > 2147483647;
END;

CREATE TRIGGER ORDER_LINE_Check_Delete BEFORE DELETE ON ORDER_LINE
BEGIN
    SELECT RAISE(ABORT, 'Период по месяц последнего аванса включительно закрыт: строку заказа этого периода удалить нельзя')
     WHERE (SELECT DATE FROM "ORDER" WHERE ID_ORDER = OLD.ID_ORDER)
           < (SELECT date(max(Data), 'start of month', '+1 month') FROM AVANS);
END;

-- SETUP ---------------------------------------------------------------------
-- Exactly one row, so the queries that cross-join SETUP neither drop nor
-- repeat lines.

CREATE TRIGGER SETUP_Check_Insert BEFORE INSERT ON SETUP
BEGIN
    SELECT RAISE(ABORT, 'Настройки хранятся в одной строке SETUP: вторую строку добавить нельзя')
     WHERE EXISTS (SELECT 1 FROM SETUP);
    SELECT RAISE(ABORT, 'Поле «Наши реквизиты: Наименование» длиннее 50 символов') WHERE length(NEW.OurName) > 50;
    SELECT RAISE(ABORT, 'Поле «Наши реквизиты: ИНН» длиннее 50 символов') WHERE length(NEW.OurINN) > 50;
    SELECT RAISE(ABORT, 'Поле «Наши реквизиты: Наименование Банка» длиннее 50 символов') WHERE length(NEW.OurBank) > 50;
    SELECT RAISE(ABORT, 'Поле «Наши реквизиты: БИК» длиннее 50 символов') WHERE length(NEW.OurBIK) > 50;
    SELECT RAISE(ABORT, 'Поле «Наши реквизиты: Корр. счет» длиннее 50 символов') WHERE length(NEW.OurKorrSch) > 50;
    SELECT RAISE(ABORT, 'Поле «Наши реквизиты: Расчетный счет» длиннее 50 символов') WHERE length(NEW.OurRs) > 50;
    SELECT RAISE(ABORT, 'Поле «ФИО ответственного лица» длиннее 50 символов') WHERE length(NEW.OurFIO) > 50;
    SELECT RAISE(ABORT, 'Поле «Наши реквизиты: Телефон» длиннее 50 символов') WHERE length(NEW.OurTel) > 50;
    SELECT RAISE(ABORT, 'Поле «Реквизиты МНС: Номер» длиннее 50 символов') WHERE length(NEW.OurIMNS) > 50;
    SELECT RAISE(ABORT, 'Поле «Реквизиты МНС: ИНН» длиннее 50 символов') WHERE length(NEW.MNSINN) > 50;
    SELECT RAISE(ABORT, 'Поле «Реквизиты МНС: Наименование Банка» длиннее 50 символов') WHERE length(NEW.MNSBank) > 50;
    SELECT RAISE(ABORT, 'Поле «Реквизиты МНС: БИК» длиннее 50 символов') WHERE length(NEW.MNSBIK) > 50;
    SELECT RAISE(ABORT, 'Поле «Реквизиты МНС: Корр. счет» длиннее 50 символов') WHERE length(NEW.MNSKorrSch) > 50;
    SELECT RAISE(ABORT, 'Поле «Реквизиты МНС: Расчетный счет» длиннее 50 символов') WHERE length(NEW.MNSRs) > 50;
    SELECT RAISE(ABORT, 'Поле «Реквизиты МНС: Наименование» длиннее 50 символов') WHERE length(NEW.MNSNAME) > 50;
    SELECT RAISE(ABORT, 'Не указана ставка НсП') WHERE NEW.NsP IS NULL;
    SELECT RAISE(ABORT, 'Ставка НсП должна быть целым числом десятитысячных долей')
     WHERE typeof(NEW.NsP) <> 'integer';
    SELECT RAISE(ABORT, 'Ставка НсП должна быть от 0 до 1') WHERE NEW.NsP < 0 OR NEW.NsP > 10000;
END;

CREATE TRIGGER SETUP_Check_Update BEFORE UPDATE ON SETUP
BEGIN
    SELECT RAISE(ABORT, 'Поле «Наши реквизиты: Наименование» длиннее 50 символов') WHERE length(NEW.OurName) > 50;
    SELECT RAISE(ABORT, 'Поле «Наши реквизиты: ИНН» длиннее 50 символов') WHERE length(NEW.OurINN) > 50;
    SELECT RAISE(ABORT, 'Поле «Наши реквизиты: Наименование Банка» длиннее 50 символов') WHERE length(NEW.OurBank) > 50;
    SELECT RAISE(ABORT, 'Поле «Наши реквизиты: БИК» длиннее 50 символов') WHERE length(NEW.OurBIK) > 50;
    SELECT RAISE(ABORT, 'Поле «Наши реквизиты: Корр. счет» длиннее 50 символов') WHERE length(NEW.OurKorrSch) > 50;
    SELECT RAISE(ABORT, 'Поле «Наши реквизиты: Расчетный счет» длиннее 50 символов') WHERE length(NEW.OurRs) > 50;
    SELECT RAISE(ABORT, 'Поле «ФИО ответственного лица» длиннее 50 символов') WHERE length(NEW.OurFIO) > 50;
    SELECT RAISE(ABORT, 'Поле «Наши реквизиты: Телефон» длиннее 50 символов') WHERE length(NEW.OurTel) > 50;
    SELECT RAISE(ABORT, 'Поле «Реквизиты МНС: Номер» длиннее 50 символов') WHERE length(NEW.OurIMNS) > 50;
    SELECT RAISE(ABORT, 'Поле «Реквизиты МНС: ИНН» длиннее 50 символов') WHERE length(NEW.MNSINN) > 50;
    SELECT RAISE(ABORT, 'Поле «Реквизиты МНС: Наименование Банка» длиннее 50 символов') WHERE length(NEW.MNSBank) > 50;
    SELECT RAISE(ABORT, 'Поле «Реквизиты МНС: БИК» длиннее 50 символов') WHERE length(NEW.MNSBIK) > 50;
    SELECT RAISE(ABORT, 'Поле «Реквизиты МНС: Корр. счет» длиннее 50 символов') WHERE length(NEW.MNSKorrSch) > 50;
    SELECT RAISE(ABORT, 'Поле «Реквизиты МНС: Расчетный счет» длиннее 50 символов') WHERE length(NEW.MNSRs) > 50;
    SELECT RAISE(ABORT, 'Поле «Реквизиты МНС: Наименование» длиннее 50 символов') WHERE length(NEW.MNSNAME) > 50;
    SELECT RAISE(ABORT, 'Не указана ставка НсП') WHERE NEW.NsP IS NULL;
    SELECT RAISE(ABORT, 'Ставка НсП должна быть целым числом десятитысячных долей')
     WHERE typeof(NEW.NsP) <> 'integer';
    SELECT RAISE(ABORT, 'Ставка НсП должна быть от 0 до 1') WHERE NEW.NsP < 0 OR NEW.NsP > 10000;
END;

CREATE TRIGGER SETUP_Check_Delete BEFORE DELETE ON SETUP
BEGIN
    SELECT RAISE(ABORT, 'Строку настроек SETUP удалить нельзя');
END;

-- AVANS ---------------------------------------------------------------------

CREATE TRIGGER AVANS_Check_Insert BEFORE INSERT ON AVANS
BEGIN
    SELECT RAISE(ABORT, 'Поле «Дата аванса» должно содержать дату в виде ГГГГ-ММ-ДД')
     WHERE NOT coalesce(typeof(NEW.Data) = 'text'
                        AND NEW.Data IN (date(NEW.Data, '+0 days'),
                                         datetime(NEW.Data, '+0 days'),
                                         strftime('%Y-%m-%dT%H:%M:%S', NEW.Data, '+0 days')), 0);
    SELECT RAISE(ABORT, 'Не указана сумма аванса') WHERE NEW.SUMMA IS NULL;
    SELECT RAISE(ABORT, 'Сумма аванса должна быть целым числом десятитысячных долей рубля')
     WHERE typeof(NEW.SUMMA) <> 'integer';
END;

CREATE TRIGGER AVANS_Check_Update BEFORE UPDATE ON AVANS
BEGIN
    SELECT RAISE(ABORT, 'Номер аванса не изменяется') WHERE NEW.ID_AVANS IS NOT OLD.ID_AVANS;
    SELECT RAISE(ABORT, 'Поле «Дата аванса» должно содержать дату в виде ГГГГ-ММ-ДД')
     WHERE NOT coalesce(typeof(NEW.Data) = 'text'
                        AND NEW.Data IN (date(NEW.Data, '+0 days'),
                                         datetime(NEW.Data, '+0 days'),
                                         strftime('%Y-%m-%dT%H:%M:%S', NEW.Data, '+0 days')), 0);
    SELECT RAISE(ABORT, 'Не указана сумма аванса') WHERE NEW.SUMMA IS NULL;
    SELECT RAISE(ABORT, 'Сумма аванса должна быть целым числом десятитысячных долей рубля')
     WHERE typeof(NEW.SUMMA) <> 'integer';
END;
