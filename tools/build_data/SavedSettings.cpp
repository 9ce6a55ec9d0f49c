#include "SavedSettings.h"

#include <QFileInfo>

#include "BuildError.h"
#include "SqliteFile.h"

namespace savedsettings {
namespace {

// Values of the first row, matched to our columns by name.
QStringList valuesOf(SqliteStatement& row) {
    QStringList values = factoryValues();
    for (int column = 0; column < row.columnCount(); ++column) {
        const QString name = row.columnName(column);
        for (std::size_t i = 0; i < kColumns.size(); ++i) {
            if (name.compare(QLatin1StringView(kColumns[i]), Qt::CaseInsensitive) == 0)
                values[qsizetype(i)] = row.columnText(column);
        }
    }
    return values;
}

}  // namespace

QStringList factoryValues() {
    return {QStringLiteral("بسم الله"), QStringLiteral("Traditional Arabic-Q"),
            QStringLiteral("20"),       QStringLiteral("Traditional Arabic"),
            QStringLiteral("14"),       QStringLiteral("Tahoma-Quvel"),
            QStringLiteral("11"),       QStringLiteral("Tahoma"),
            QStringLiteral("10"),       QStringLiteral("1"),
            QStringLiteral("1"),        QStringLiteral("0"),
            QStringLiteral("0"),        QStringLiteral("English"),
            QStringLiteral("0")};
}

Lookup readExisting(const QString& databasePath) {
    if (!QFileInfo::exists(databasePath))
        return {};
    try {
        SqliteFile db(databasePath, SqliteFile::Mode::ReadOnly);
        SqliteStatement table = db.prepare(
            "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE");
        table.bind(1, QStringLiteral("Lang"));
        if (!table.step() || table.columnText(0) == u'0')
            return {Found::NoRow, {}, {}};
        SqliteStatement row = db.prepare("SELECT * FROM Lang LIMIT 1");
        if (!row.step())
            return {Found::NoRow, {}, {}};
        return {Found::Row, valuesOf(row), {}};
    } catch (const BuildError& error) {
        return {Found::Unreadable, {}, error.message()};
    }
}

}  // namespace savedsettings
