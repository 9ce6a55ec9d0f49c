#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <memory>

#include "SqliteDatabase.h"

// The data build's SQLite calls: any failure throws FileError naming the database file.
namespace checked {

std::unique_ptr<SqliteDatabase> open(const QString& path, SqliteDatabase::Mode mode);
void execute(SqliteDatabase& db, QStringView sql);
// Throws when SQLite's quick check finds the file damaged.
void quickCheck(const SqliteDatabase& db);
SqliteStatement prepare(const SqliteDatabase& db, QStringView sql);
// The stored spelling of a table; empty when there is none of that name.
QString tableName(const SqliteDatabase& db, QStringView name);
// True when a row is ready.
bool step(const SqliteDatabase& db, SqliteStatement& statement);
// Binds `values` to the parameters in order, runs the statement once and resets it.
void run(const SqliteDatabase& db, SqliteStatement& statement, const QStringList& values);

}  // namespace checked
