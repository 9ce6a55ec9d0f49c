#include "MainWindowSources.h"

#include <QDir>

#include "FactorySettings.h"
#include "RecordSource.h"
#include "Schema.h"
#include "SettingsRow.h"
#include "SettingsStore.h"
#include "SqliteDatabase.h"

using namespace Qt::StringLiterals;

namespace {

// The first of `required` that `fields` lacks, or empty. A table without a field the windows
// read would show empty verses, and one without a settings field would drop that setting.
QString missingField(const QStringList& fields, const QStringList& required) {
    for (const QString& name : required) {
        if (fieldIndex(fields, name) < 0)
            return name;
    }
    return {};
}

}  // namespace

std::optional<QString> openQuran1Sources(const QString& folder, const VerseLists& verseLists,
                                         QObject* owner, Quran1Sources& sources) {
    const QDir base(folder);
    const QString quranPath = base.filePath(schema::kVerseDatabaseFile);
    const QString searchPath = base.filePath(schema::kSearchDatabaseFile);
    QString why;
    std::shared_ptr<SqliteDatabase> quran =
        SqliteDatabase::open(quranPath, SqliteDatabase::Mode::ReadWrite, &why);
    if (!quran || !quran->passesQuickCheck(&why))
        return u"%1: %2"_s.arg(quranPath, why);
    std::shared_ptr<SqliteDatabase> search =
        SqliteDatabase::open(searchPath, SqliteDatabase::Mode::ReadOnly, &why);
    if (!search || !search->passesQuickCheck(&why))
        return u"%1: %2"_s.arg(searchPath, why);

    // The verse table of a database as a record source, or why it cannot serve.
    const QString& verses = schema::kVerseTable;
    auto openVerses = [&](const std::shared_ptr<SqliteDatabase>& database, const QString& path,
                          RecordSource*& source) -> std::optional<QString> {
        source = new RecordSource(database, verses, owner);
        if (!source->refresh(&why))
            return u"%1, table %2: %3"_s.arg(path, verses, why);
        if (const QString field = missingField(source->fieldNames(), schema::kVerseFields);
            !field.isEmpty())
            return u"%1, table %2: the field %3 is missing"_s.arg(path, verses, field);
        return std::nullopt;
    };
    RecordSource* data1 = nullptr;
    RecordSource* data3 = nullptr;
    if (std::optional<QString> failure = openVerses(search, searchPath, data1))
        return failure;
    if (std::optional<QString> failure = openVerses(quran, quranPath, data3))
        return failure;
    auto* data2 = new SettingsRow(quran, owner);
    if (!data2->load(&why))
        return u"%1: %2"_s.arg(quranPath, why);
    if (const QString field = missingField(data2->fieldNames(), FactorySettings::columns());
        !field.isEmpty())
        return u"%1, table %2: the field %3 is missing"_s.arg(quranPath, schema::kSettingsTable,
                                                              field);

    sources.verseLists = &verseLists;
    sources.Data1 = data1;
    sources.Data2 = data2;
    sources.Data3 = data3;
    sources.store = new SettingsStore(owner);
    return std::nullopt;
}
