#include "VerseDatabase.h"

#include "OutputFiles.h"
#include "SourceText.h"
#include "SqliteFile.h"
#include "VersePositions.h"

namespace {

void fillVerses(SqliteFile& db, const SourceText& cleanText) {
    db.exec("CREATE TABLE Data (No1 TEXT, Num3 TEXT, Mum1 TEXT, Num1 TEXT, No TEXT)");
    SqliteStatement insert =
        db.prepare("INSERT INTO Data (No1, Num3, Mum1, Num1, No) VALUES (?, ?, ?, ?, ?)");
    const std::vector<VersePosition>& positions = versePositions();
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const Surah& surah = *positions[i].surah;
        const QString verseNumber = QString::number(positions[i].verseNumber);
        // Num3 begins with the surah's item text, so a prefix query selects one surah.
        insert.run({QString::number(i + 1), surah.itemText + u' ' + verseNumber,
                    surah.arabicName + u' ' + verseNumber, cleanText.verses[i], verseNumber});
    }
    db.exec("CREATE INDEX DataNum3 ON Data(Num3)");
}

// Table Lang's columns follow savedsettings::kColumns, all text.
void fillSettings(SqliteFile& db, const QStringList& values) {
    QByteArray create = "CREATE TABLE Lang (";
    QByteArray insert = "INSERT INTO Lang VALUES (";
    for (std::size_t i = 0; i < savedsettings::kColumns.size(); ++i) {
        const QByteArray separator = i == 0 ? "" : ", ";
        create += separator + savedsettings::kColumns[i] + " TEXT";
        insert += separator + "?";
    }
    db.exec((create + ')').constData());
    db.prepare((insert + ')').constData()).run(values);
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
    const QStringList settings = existing.found == savedsettings::Found::Row
                                     ? existing.values
                                     : savedsettings::factoryValues();
    replaceDatabase(path, [&](SqliteFile& db) {
        fillVerses(db, cleanText);
        fillSettings(db, settings);
    });
    report.verseRows = int(versePositions().size());
    return report;
}
