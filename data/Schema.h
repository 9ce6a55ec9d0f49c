#pragma once

#include <QString>
#include <QStringList>

// The tables and fields of the two databases, as the data tool writes them and the program
// reads them.
namespace schema {

// The two databases, named from the runtime folder.
inline const QString kVerseDatabaseFile = QStringLiteral("Data/Quran.MDB");
inline const QString kSearchDatabaseFile = QStringLiteral("Data/AWAR.MDB");

// The verse table of both databases: in the search database one row per word of a verse, in
// the verse database one row per verse.
inline const QString kVerseTable = QStringLiteral("Data");
// The search database's explanation tables: one row per verse, fields as the verse table's.
inline const QString kArabicTable = QStringLiteral("Arabic");
inline const QString kKurdishTable = QStringLiteral("Kurdish");
inline const QString kEnglishTable = QStringLiteral("English");
// The verse database's settings table, of one row.
inline const QString kSettingsTable = QStringLiteral("Lang");

// Fields of the verse and explanation tables.
inline const QString kOrdinal = QStringLiteral("No1");     // the verse's place in the corpus
inline const QString kGridText = QStringLiteral("Num1");   // what a grid shows of the row
inline const QString kReference = QStringLiteral("Num3");  // surah name and verse number
inline const QString kSearched = QStringLiteral("Mum1");   // the text a search matches
inline const QString kVerseNumber = QStringLiteral("No");  // the verse's number in its surah
// Every field the windows read.
inline const QStringList kVerseFields = {kOrdinal, kReference, kSearched, kGridText, kVerseNumber};

// Fields of the settings row.
inline const QString kSearchWord = QStringLiteral("Kalima");
inline const QString kVerseFont = QStringLiteral("Aia");
inline const QString kVerseSize = QStringLiteral("AiaNo");
inline const QString kArabicFont = QStringLiteral("Ara");
inline const QString kArabicSize = QStringLiteral("AraNo");
inline const QString kKurdishFont = QStringLiteral("Kurd");
inline const QString kKurdishSize = QStringLiteral("KurdNo");
inline const QString kEnglishFont = QStringLiteral("Eng");
inline const QString kEnglishSize = QStringLiteral("EngNo");
inline const QString kEnglishBold = QStringLiteral("NO1");
inline const QString kKurdishBold = QStringLiteral("NO2");
inline const QString kArabicBold = QStringLiteral("NO3");
inline const QString kVerseBold = QStringLiteral("NO4");
inline const QString kLanguage = QStringLiteral("Lang");
inline const QString kSurahPosition = QStringLiteral("Sura");

// `fields` joined as SQL's column list, each followed by `suffix` (" TEXT" to create them).
inline QString fieldList(const QStringList& fields, const QString& suffix = QString()) {
    QString list;
    for (const QString& field : fields)
        list += (list.isEmpty() ? QString() : QStringLiteral(", ")) + field + suffix;
    return list;
}

}  // namespace schema
