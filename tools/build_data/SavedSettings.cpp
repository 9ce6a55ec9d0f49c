#include "SavedSettings.h"

#include <QFileInfo>

#include "CheckedSqlite.h"
#include "FactorySettings.h"
#include "FileError.h"
#include "Schema.h"

namespace savedsettings {
namespace {

// Values of the first row, matched to the factory columns by name.
QStringList valuesOf(const SqliteStatement& row) {
    QStringList values = FactorySettings::values();
    for (int column = 0; column < row.columnCount(); ++column) {
        const qsizetype index = fieldIndex(FactorySettings::columns(), row.columnName(column));
        if (index >= 0)
            values[index] = row.columnText(column);
    }
    return values;
}

}  // namespace

Lookup readExisting(const QString& databasePath) {
    if (!QFileInfo::exists(databasePath))
        return {};
    try {
        // Read-write, so that SQLite rolls back a write a crash cut short and reads what an
        // older run left in a write-ahead log; the rebuild then removes the journal and the log.
        const std::unique_ptr<SqliteDatabase> db =
            checked::open(databasePath, SqliteDatabase::Mode::ReadWrite);
        checked::quickCheck(*db);
        const QString table = checked::tableName(*db, schema::kSettingsTable);
        if (table.isEmpty())
            return {Found::NoRow, {}, {}};
        SqliteStatement row = checked::prepare(
            *db, QStringLiteral("SELECT * FROM %1 LIMIT 1").arg(quotedIdentifier(table)));
        if (!checked::step(*db, row))
            return {Found::NoRow, {}, {}};
        return {Found::Row, valuesOf(row), {}};
    } catch (const FileError& error) {
        return {Found::Unreadable, {}, error.message()};
    }
}

}  // namespace savedsettings
