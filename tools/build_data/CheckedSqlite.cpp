#include "CheckedSqlite.h"

#include "FileError.h"

namespace checked {
namespace {

[[noreturn]] void fail(const QString& file, const QString& reason) {
    throw FileError{file, 0, QStringLiteral("SQLite: %1").arg(reason)};
}

[[noreturn]] void fail(const SqliteDatabase& db) {
    fail(db.path(), db.lastError());
}

}  // namespace

std::unique_ptr<SqliteDatabase> open(const QString& path, SqliteDatabase::Mode mode) {
    QString why;
    std::unique_ptr<SqliteDatabase> db = SqliteDatabase::open(path, mode, &why);
    if (!db)
        fail(path, why);
    return db;
}

void execute(SqliteDatabase& db, QStringView sql) {
    if (!db.execute(sql))
        fail(db);
}

void quickCheck(const SqliteDatabase& db) {
    QString why;
    if (!db.passesQuickCheck(&why))
        fail(db.path(), why);
}

SqliteStatement prepare(const SqliteDatabase& db, QStringView sql) {
    SqliteStatement statement = db.prepare(sql);
    if (!statement.isValid())
        fail(db);
    return statement;
}

QString tableName(const SqliteDatabase& db, QStringView name) {
    QString why;
    const QString table = db.tableName(name, &why);
    if (!why.isEmpty())
        fail(db.path(), why);
    return table;
}

bool step(const SqliteDatabase& db, SqliteStatement& statement) {
    const bool row = statement.step();
    if (statement.failed())
        fail(db);
    return row;
}

void run(const SqliteDatabase& db, SqliteStatement& statement, const QStringList& values) {
    statement.bindTexts(values);
    while (step(db, statement)) {
    }
    statement.reset();
}

}  // namespace checked
