#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// What a record source text asks for: a whole table, or the rows of table `data` whose field
// matches a LIKE pattern.
struct RecordSourceText {
    enum class Kind { Table, Query };
    Kind kind = Kind::Table;
    QString table;    // as given
    QString field;    // Kind::Query: Mum1 or Num3, as given
    QString pattern;  // Kind::Query: the literal's content, with '' read as one apostrophe
};

// Accepts a bare table name or exactly ` select * from data where <Mum1|Num3> like '<literal>'`
// (keywords in any case, any runs of blanks), where an explanation table (arabic, kurdish,
// english) may stand for data. Anything else is refused with a short reason in
// *why; the text is never handed to SQL.
std::optional<RecordSourceText> parseRecordSourceText(QStringView text, QString* why = nullptr);

// The two query texts the windows set: rows whose field begins with `prefix`. The prefix goes
// in as typed, unescaped, so its wildcards keep their meaning and an apostrophe makes the
// text one that parseRecordSourceText refuses.
QString searchQueryText(const QString& prefix);  // Mum1 of the search table
QString surahQueryText(const QString& prefix);   // Num3 of the verse table
// The rows of explanation table `table` (Arabic, Kurdish, English) for `prefix`.
QString explanationQueryText(const QString& table, const QString& prefix);
// One of the explanation tables, in any case.
bool isExplanationTable(QStringView table);
