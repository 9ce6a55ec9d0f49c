#include "VerseDatabase.h"

#include "CheckedSqlite.h"
#include "FactorySettings.h"
#include "OutputFiles.h"
#include "Schema.h"
#include "SourceText.h"
#include "VersePositions.h"

namespace {

void fillVerses(SqliteDatabase& db, const SourceText& cleanText) {
    const QString& table = schema::kVerseTable;
    checked::execute(
        db, QStringLiteral("CREATE TABLE %1 (%2)")
                .arg(table, schema::fieldList(schema::kVerseFields, QStringLiteral(" TEXT"))));
    SqliteStatement insert =
        checked::prepare(db, QStringLiteral("INSERT INTO %1 (%2) VALUES (?, ?, ?, ?, ?)")
                                 .arg(table, schema::fieldList(schema::kVerseFields)));
    const std::vector<VersePosition>& positions = versePositions();
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const Surah& surah = *positions[i].surah;
        const QString verseNumber = QString::number(positions[i].verseNumber);
        // The reference begins with the surah's item text, so a prefix query selects one surah.
        checked::run(db, insert,
                     {QString::number(i + 1), surah.itemText + u' ' + verseNumber,
                      surah.arabicName + u' ' + verseNumber, cleanText.verses[i], verseNumber});
    }
    checked::execute(db,
                     QStringLiteral("CREATE INDEX %1%2 ON %1(%2)").arg(table, schema::kReference));
}

// The settings table has the factory columns, all text.
void fillSettings(SqliteDatabase& db, const QStringList& values) {
    QString create = QStringLiteral("CREATE TABLE %1 (").arg(schema::kSettingsTable);
    QString insert = QStringLiteral("INSERT INTO %1 VALUES (").arg(schema::kSettingsTable);
    const QStringList& columns = FactorySettings::columns();
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const QString separator = i == 0 ? QString() : QStringLiteral(", ");
        create += separator + columns[i] + QStringLiteral(" TEXT");
        insert += separator + u'?';
    }
    checked::execute(db, create + u')');
    SqliteStatement row = checked::prepare(db, insert + u')');
    checked::run(db, row, values);
}

}  // namespace

VerseDatabaseReport writeVerseDatabase(const QString& path, const SourceText& cleanText) {
    VerseDatabaseReport report;
    const savedsettings::Lookup existing = savedsettings::readExisting(path);
    report.settings = existing.found;
    if (existing.found == savedsettings::Found::Unreadable) {
        report.unreadableMovedTo = path + QStringLiteral(".unreadable");
        report.problem = existing.problem;
        renameOver(path, report.unreadableMovedTo);
    }
    const QStringList settings =
        existing.found == savedsettings::Found::Row ? existing.values : FactorySettings::values();
    replaceDatabase(path, [&](SqliteDatabase& db) {
        fillVerses(db, cleanText);
        fillSettings(db, settings);
    });
    report.verseRows = int(versePositions().size());
    return report;
}
