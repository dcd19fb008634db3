#include "store/StoreDemo.h"

#include <QList>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <iterator>

namespace tarvo::store {

namespace {

struct DemoDistributor
{
    const char *fio;
    const char *address;   // lines, each followed by CR LF
    const char *phone;     // empty: the store keeps "<Нет телефона>"
    const char *birthday;
};

const DemoDistributor Distributors[] = {
    {"Иванов Иван Иванович", "125009, г. Москва\r\nул. Тверская, д. 12, кв. 45\r\n",
     "(495)123-45-67", "1968-04-12"},
    {"Петрова Мария Сергеевна", "117292, г. Москва\r\nул. Вавилова, д. 57, кв. 118\r\n",
     "(495)938-12-04", "1975-09-30"},
    {"Сидоров Алексей Петрович", "129110, г. Москва\r\nПроспект Мира, д. 68, стр. 1, кв. 7\r\n",
     "(495)681-77-39", "1959-01-17"},
    {"Кузнецова Елена Викторовна", "105064, г. Москва\r\nул. Земляной Вал, д. 24, кв. 31\r\n",
     "(495)917-50-22", "1981-06-05"},
    {"Смирнов Дмитрий Алексеевич", "119034, г. Москва\r\nПречистенский пер., д. 3, кв. 12\r\n",
     "", "1972-11-23"},
    {"Попова Ольга Николаевна", "115184, г. Москва\r\nул. Большая Ордынка, д. 40, кв. 9\r\n",
     "(495)953-26-81", "1966-03-08"},
    {"Васильев Сергей Андреевич", "123100, г. Москва\r\nКраснопресненская наб., д. 8, кв. 204\r\n",
     "(499)255-14-60", "1984-12-14"},
    {"Новикова Анна Михайловна", "109004, г. Москва\r\nул. Таганская, д. 17, кв. 56\r\n",
     "(495)912-03-48", "1979-07-21"},
    {"Морозов Павел Игоревич", "127055, г. Москва\r\nул. Новослободская, д. 45, кв. 88\r\n",
     "(499)978-61-15", "1970-02-02"},
    {"Волкова Татьяна Юрьевна", "111033, г. Москва\r\nул. Золоторожский Вал, д. 11, кв. 3\r\n",
     "(495)361-92-70", "1988-10-10"},
};

struct DemoGood
{
    const char *name;
    double price;   // roubles, as the goods dialog binds it
    bool taxed;
};

const DemoGood Goods[] = {
    {"Шампунь «Чистая линия» 400 мл", 150.50, true},
    {"Крем для лица «Черный жемчуг»", 289.00, true},
    {"Зубная паста «Жемчуг» 100 мл", 45.50, true},
    {"Стиральный порошок «Миф» 3 кг", 312.40, true},
    {"Средство для мытья посуды «Фейри»", 98.90, true},
    {"Дезодорант «Рексона»", 175.00, true},
    {"Туалетная вода «Красная Москва»", 640.00, true},
    {"Гель для душа «Палмолив»", 132.50, true},
    {"Лак для волос «Прелесть»", 118.75, true},
    {"Тушь для ресниц «Ленинградская»", 64.20, true},
    {"Губная помада «Весна»", 89.99, true},
    {"Хлеб «Бородинский»", 32.50, false},
    {"Молоко 3,2% 1 л", 54.30, false},
    {"Кефир 1% 0,5 л", 38.60, false},
    {"Детское питание «Агуша»", 41.00, false},
    {"Подгузники детские, 30 шт.", 899.00, false},
    {"Аспирин, 20 таблеток", 120.00, false},
    {"Крупа гречневая 900 г", 74.80, false},
};

QString run(const QSqlDatabase &db, const QString &sql, const QVariantList &values = {})
{
    QSqlQuery q(db);
    if (!q.prepare(sql))
        return q.lastError().text();
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        return QStringLiteral("%1: %2").arg(sql, q.lastError().databaseText());
    return {};
}

QVariant scalar(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery q(db);
    if (q.exec(sql) && q.next())
        return q.value(0);
    return {};
}

QString isoDate(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

QString fillDemo(const QSqlDatabase &db, const QDate &today)
{
    QString error;
    QRandomGenerator random(20260331);

    for (const DemoDistributor &d : Distributors) {
        error = run(db, QStringLiteral("INSERT INTO Distributor_Insert VALUES (?, ?, ?, ?)"),
                    {QString::fromUtf8(d.fio), QString::fromUtf8(d.address),
                     QString::fromUtf8(d.phone), QString::fromLatin1(d.birthday)});
        if (!error.isEmpty())
            return error;
    }
    for (const DemoGood &g : Goods) {
        error = run(db, QStringLiteral("INSERT INTO Good_Insert VALUES (?, ?, ?)"),
                    {QString::fromUtf8(g.name), g.price, g.taxed ? 1 : 0});
        if (!error.isEmpty())
            return error;
    }

    error = run(db,
                QStringLiteral(
                    "UPDATE SETUP SET OurName = ?, OurINN = ?, OurBank = ?, OurBIK = ?, "
                    "OurKorrSch = ?, OurRs = ?, OurFIO = ?, OurTel = ?, OurIMNS = ?, MNSINN = ?, "
                    "MNSBank = ?, MNSBIK = ?, MNSKorrSch = ?, MNSRs = ?, MNSNAME = ?, NsP = ?"),
                {QStringLiteral("ООО «Тарво-Трейд»"), QStringLiteral("7701234567"),
                 QStringLiteral("АКБ «Московский Кредит» (ОАО)"), QStringLiteral("044525219"),
                 QStringLiteral("30101810500000000219"), QStringLiteral("40702810900000012345"),
                 QStringLiteral("Соколова Наталья Владимировна"), QStringLiteral("(495)987-65-43"),
                 QStringLiteral("7701"), QStringLiteral("7701107259"),
                 QStringLiteral("Отделение 1 Московского ГТУ Банка России"),
                 QStringLiteral("044583001"), QStringLiteral("30101810000000000001"),
                 QStringLiteral("40101810800000010041"),
                 QStringLiteral("ИМНС России № 1 по ЦАО г. Москвы"), 500});
    if (!error.isEmpty())
        return error;

    // Orders spread over the six months up to today, oldest first, each with
    // one to five lines of different goods.
    const QDate first = today.addMonths(-6);
    const int span = int(first.daysTo(today));
    const int distributorCount = int(std::size(Distributors));
    const int goodCount = int(std::size(Goods));
    const int orderCount = 40;
    QList<QDate> dates;
    for (int i = 0; i < orderCount; ++i)
        dates << first.addDays(random.bounded(span + 1));
    std::sort(dates.begin(), dates.end());

    for (const QDate &date : dates) {
        error = run(db, QStringLiteral("INSERT INTO Order_Insert VALUES (?, ?)"),
                    {isoDate(date), 1 + random.bounded(distributorCount)});
        if (!error.isEmpty())
            return error;
        const qint64 order = scalar(db, QStringLiteral("SELECT max(ID_ORDER) FROM \"ORDER\"")).toLongLong();
        QList<int> goods;
        for (int g = 1; g <= goodCount; ++g)
            goods << g;
        std::shuffle(goods.begin(), goods.end(), random);
        const int lines = 1 + random.bounded(5);
        for (int l = 0; l < lines; ++l) {
            const int quantity = random.bounded(10) == 0 ? 50 + random.bounded(151)
                                                          : 1 + random.bounded(30);
            error = run(db,
                        QStringLiteral("INSERT INTO ORDER_LINE (ID_ORDER, ID_GOOD, QUANTITY) "
                                       "VALUES (?, ?, ?)"),
                        {order, goods.at(l), quantity});
            if (!error.isEmpty())
                return error;
        }
    }

    // Advances for every due month except the last two (the last one when
    // only one or two months are due).
    const int due = scalar(db, QStringLiteral(
        "SELECT count(DISTINCT strftime('%Y-%m', \"ORDER\".DATE)) FROM \"ORDER\" "
        "JOIN ORDER_LINE ON ORDER_LINE.ID_ORDER = \"ORDER\".ID_ORDER "
        "JOIN GOOD ON GOOD.ID_GOOD = ORDER_LINE.ID_GOOD "
        "WHERE GOOD.NsP = 1 AND \"ORDER\".DATE < date('now', 'localtime', 'start of month')"))
        .toInt();
    const int accrue = due >= 3 ? due - 2 : std::max(due - 1, 0);
    for (int i = 0; i < accrue; ++i) {
        error = run(db, QStringLiteral("INSERT INTO Add_Avans DEFAULT VALUES"));
        if (!error.isEmpty())
            return error;
    }
    return {};
}

} // namespace tarvo::store
