#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The data store Tarvo.mdb: an SQLite 3 file holding the tables, the stored
// queries (views) and the stored procedures (views with INSTEAD OF INSERT
// triggers) of the sales-tax workstation. Its definition is the SQL in
// store/sql/, carried inside the program as a Qt resource.
//
// Every function works through its own uniquely named QSqlDatabase connection
// and removes that connection before it returns. Each returns an error text,
// empty on success.
namespace tarvo::store {

// The file name the program looks for in its working directory.
inline constexpr const char *FileName = "Tarvo.mdb";

// PRAGMA user_version of a store with this definition.
int schemaVersion();
// PRAGMA application_id marking the file as this program's store.
qint32 applicationId();

// The definition scripts in the order they are run: tables, stored queries,
// stored procedures.
QStringList definitionScripts();

// Writes a new store to `path`: the schema, one SETUP row with empty
// requisites and the rate 0.05, nothing else. An existing file is replaced
// only with `overwrite`; the file appears only once it is complete.
QString create(const QString &path, bool overwrite = false);

// Writes a new store filled with sample data: distributors, goods, orders of
// the last six months up to today and the advances due for all but the last
// due months, accrued through Add_Avans.
QString demo(const QString &path, bool overwrite = false);

// Checks an existing store: PRAGMA integrity_check, PRAGMA foreign_key_check,
// the application id and the schema version. Every problem found makes a
// line of the returned text.
QString check(const QString &path);

} // namespace tarvo::store
