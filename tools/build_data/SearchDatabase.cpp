#include "SearchDatabase.h"

#include "CheckedSqlite.h"
#include "OutputFiles.h"
#include "Schema.h"
#include "SourceText.h"
#include "VersePositions.h"

using namespace Qt::StringLiterals;

namespace {

// What the result grid shows of an explanation: its opening words.
QString opening(const QString& text) {
    constexpr qsizetype kShown = 24;
    return text.size() <= kShown ? text : text.first(kShown) + u'\u2026';
}

// The fields of the search database's tables in stored order.
const QStringList kFields = {schema::kOrdinal, schema::kGridText, schema::kReference,
                             schema::kSearched, schema::kVerseNumber};

// A table of kFields, and the statement that inserts a row into it.
SqliteStatement createTable(SqliteDatabase& db, const QString& table) {
    checked::execute(
        db, u"CREATE TABLE "_s + table + u" ("_s + schema::fieldList(kFields, u" TEXT"_s) + u')');
    return checked::prepare(db, u"INSERT INTO "_s + table + u" ("_s + schema::fieldList(kFields) +
                                    u") VALUES (?, ?, ?, ?, ?)"_s);
}

void writeExplanationTable(SqliteDatabase& db, const QString& table, const SourceText& source,
                           int& rows) {
    SqliteStatement insert = createTable(db, table);
    const std::vector<VersePosition>& positions = versePositions();
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const QString verseNumber = QString::number(positions[i].verseNumber);
        const QString& text = source.verses[i];
        checked::run(db, insert,
                     {QString::number(i + 1), opening(text),
                      positions[i].surah->arabicName + u' ' + verseNumber, text, verseNumber});
        ++rows;
    }
}

}  // namespace

SearchDatabaseRows writeSearchDatabase(const QString& path, const Sources& sources) {
    SearchDatabaseRows rows;
    replaceDatabase(path, [&](SqliteDatabase& db) {
        SqliteStatement insert = createTable(db, schema::kVerseTable);
        const std::vector<VersePosition>& positions = versePositions();
        for (std::size_t i = 0; i < positions.size(); ++i) {
            const QString ordinal = QString::number(i + 1);
            const QString verseNumber = QString::number(positions[i].verseNumber);
            const QString label = positions[i].surah->arabicName + u' ' + verseNumber;
            const QString& text = sources.quranClean.verses[i];
            // The searched text runs from the word to the verse's end, so a prefix also finds a
            // phrase.
            for (qsizetype start = 0; start < text.size();) {
                qsizetype end = text.indexOf(u' ', start);
                if (end < 0)
                    end = text.size();
                if (end > start) {
                    checked::run(db, insert,
                                 {ordinal, text.sliced(start, end - start), label,
                                  text.sliced(start), verseNumber});
                    ++rows.words;
                }
                start = end + 1;
            }
        }
        checked::execute(
            db, u"CREATE INDEX %1%2 ON %1(%2)"_s.arg(schema::kVerseTable, schema::kSearched));
        writeExplanationTable(db, schema::kArabicTable, sources.arabic, rows.explanations);
        writeExplanationTable(db, schema::kKurdishTable, sources.kurdish, rows.explanations);
        writeExplanationTable(db, schema::kEnglishTable, sources.english, rows.explanations);
    });
    return rows;
}
