#include "SearchDatabase.h"

#include "CheckedSqlite.h"
#include "OutputFiles.h"
#include "SourceText.h"
#include "VersePositions.h"

using namespace Qt::StringLiterals;

namespace {

// What the result grid shows of an explanation: its opening words.
QString opening(const QString& text) {
    constexpr qsizetype kShown = 24;
    return text.size() <= kShown ? text : text.first(kShown) + u'\u2026';
}

void writeExplanationTable(SqliteDatabase& db, const QString& table, const SourceText& source,
                           int& rows) {
    checked::execute(db, u"CREATE TABLE "_s + table +
                             u" (No1 TEXT, Num1 TEXT, Num3 TEXT, Mum1 TEXT, No TEXT)"_s);
    SqliteStatement insert = checked::prepare(
        db, u"INSERT INTO "_s + table + u" (No1, Num1, Num3, Mum1, No) VALUES (?, ?, ?, ?, ?)"_s);
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
        checked::execute(db,
                         u"CREATE TABLE Data (No1 TEXT, Num1 TEXT, Num3 TEXT, Mum1 TEXT, No TEXT)");
        SqliteStatement insert = checked::prepare(
            db, u"INSERT INTO Data (No1, Num1, Num3, Mum1, No) VALUES (?, ?, ?, ?, ?)");
        const std::vector<VersePosition>& positions = versePositions();
        for (std::size_t i = 0; i < positions.size(); ++i) {
            const QString ordinal = QString::number(i + 1);
            const QString verseNumber = QString::number(positions[i].verseNumber);
            const QString label = positions[i].surah->arabicName + u' ' + verseNumber;
            const QString& text = sources.quranClean.verses[i];
            // Mum1 runs from the word to the verse's end, so a prefix also finds a phrase.
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
        checked::execute(db, u"CREATE INDEX DataMum1 ON Data(Mum1)");
        writeExplanationTable(db, u"Arabic"_s, sources.arabic, rows.explanations);
        writeExplanationTable(db, u"Kurdish"_s, sources.kurdish, rows.explanations);
        writeExplanationTable(db, u"English"_s, sources.english, rows.explanations);
    });
    return rows;
}
