#include "SearchDatabase.h"

#include "CheckedSqlite.h"
#include "OutputFiles.h"
#include "SourceText.h"
#include "VersePositions.h"

int writeSearchDatabase(const QString& path, const SourceText& cleanText) {
    int rows = 0;
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
            const QString& text = cleanText.verses[i];
            // Mum1 runs from the word to the verse's end, so a prefix also finds a phrase.
            for (qsizetype start = 0; start < text.size();) {
                qsizetype end = text.indexOf(u' ', start);
                if (end < 0)
                    end = text.size();
                if (end > start) {
                    checked::run(db, insert,
                                 {ordinal, text.sliced(start, end - start), label,
                                  text.sliced(start), verseNumber});
                    ++rows;
                }
                start = end + 1;
            }
        }
        checked::execute(db, u"CREATE INDEX DataMum1 ON Data(Mum1)");
    });
    return rows;
}
