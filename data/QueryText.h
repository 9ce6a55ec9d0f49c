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
// (keywords in any case, any runs of blanks). Anything else is refused with a short reason in
// *why; the text is never handed to SQL.
std::optional<RecordSourceText> parseRecordSourceText(QStringView text, QString* why = nullptr);
