#include "QueryText.h"

#include "Schema.h"
#include "WhyFailed.h"

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isIdentifierStart(QChar c) {
    return isAsciiLetter(c) || c == u'_';
}

bool isIdentifierPart(QChar c) {
    return isIdentifierStart(c) || (c >= u'0' && c <= u'9');
}

// Identifiers are ASCII only, so Qt's caseless comparison cannot equate a non-ASCII letter
// with a keyword letter.
bool sameWord(QStringView word, QLatin1StringView expected) {
    return word.compare(expected, Qt::CaseInsensitive) == 0;
}
bool sameWord(QStringView word, QStringView expected) {
    return word.compare(expected, Qt::CaseInsensitive) == 0;
}

// Walks the text once, left to right; no step looks back.
class Reader {
  public:
    explicit Reader(QStringView text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }

    void skipBlanks() {
        while (!atEnd() && isBlank(text_[pos_]))
            ++pos_;
    }

    bool take(QChar c) {
        if (atEnd() || text_[pos_] != c)
            return false;
        ++pos_;
        return true;
    }

    // The longest identifier at the cursor, empty when none starts here.
    QStringView identifier() {
        const qsizetype begin = pos_;
        if (!atEnd() && isIdentifierStart(text_[pos_])) {
            ++pos_;
            while (!atEnd() && isIdentifierPart(text_[pos_]))
                ++pos_;
        }
        return text_.sliced(begin, pos_ - begin);
    }

    bool word(QLatin1StringView expected) {
        skipBlanks();
        return sameWord(identifier(), expected);
    }

    // Reads a quoted literal's content after its opening apostrophe, '' standing for one.
    std::optional<QString> literal() {
        QString content;
        for (;;) {
            const qsizetype quote = text_.indexOf(u'\'', pos_);
            if (quote < 0)
                return std::nullopt;
            content.append(text_.sliced(pos_, quote - pos_));
            pos_ = quote + 1;
            if (!take(u'\''))
                return content;
            content.append(u'\'');
        }
    }

  private:
    QStringView text_;
    qsizetype pos_ = 0;
};

std::optional<RecordSourceText> refuse(QString* why, const QString& reason) {
    tellWhy(why, reason);
    return std::nullopt;
}

std::optional<RecordSourceText> parseQueryAfterSelect(Reader& in, QString* why) {
    in.skipBlanks();
    if (!in.take(u'*'))
        return refuse(why, QStringLiteral("expected * after select"));
    if (!in.word(QLatin1StringView("from")))
        return refuse(why, QStringLiteral("expected from"));
    in.skipBlanks();
    const QStringView table = in.identifier();
    if (!sameWord(table, schema::kVerseTable) && !isExplanationTable(table))
        return refuse(why, QStringLiteral("only table data and the explanations can be queried"));
    if (!in.word(QLatin1StringView("where")))
        return refuse(why, QStringLiteral("expected where"));
    in.skipBlanks();
    const QStringView field = in.identifier();
    if (!sameWord(field, schema::kSearched) && !sameWord(field, schema::kReference))
        return refuse(why, QStringLiteral("only fields %1 and %2 can be queried")
                               .arg(schema::kSearched, schema::kReference));
    if (!in.word(QLatin1StringView("like")))
        return refuse(why, QStringLiteral("expected like"));
    in.skipBlanks();
    if (!in.take(u'\''))
        return refuse(why, QStringLiteral("expected a quoted pattern"));
    std::optional<QString> pattern = in.literal();
    if (!pattern)
        return refuse(why, QStringLiteral("the pattern has no closing apostrophe"));
    in.skipBlanks();
    if (!in.atEnd())
        return refuse(why, QStringLiteral("text after the pattern"));
    return RecordSourceText{RecordSourceText::Kind::Query, table.toString(), field.toString(),
                            std::move(*pattern)};
}

}  // namespace

bool isExplanationTable(QStringView table) {
    for (const QString& name :
         {schema::kArabicTable, schema::kKurdishTable, schema::kEnglishTable}) {
        if (sameWord(table, name))
            return true;
    }
    return false;
}

std::optional<RecordSourceText> parseRecordSourceText(QStringView text, QString* why) {
    Reader in(text);
    in.skipBlanks();
    const QStringView first = in.identifier();
    if (first.isEmpty())
        return refuse(why, QStringLiteral("neither a table name nor a query"));
    in.skipBlanks();
    if (in.atEnd())
        return RecordSourceText{RecordSourceText::Kind::Table, first.toString(), {}, {}};
    if (!sameWord(first, QLatin1StringView("select")))
        return refuse(why, QStringLiteral("text after the table name"));
    return parseQueryAfterSelect(in, why);
}

namespace {

// The record source text the parser above accepts: a prefix of `field` in `table`.
QString prefixQueryText(const QString& table, const QString& field, const QString& prefix) {
    return QStringLiteral(" select * from ") + table + QStringLiteral(" where ") + field +
           QStringLiteral(" like '") + prefix + QStringLiteral("*'");
}

}  // namespace

QString searchQueryText(const QString& prefix) {
    return prefixQueryText(schema::kVerseTable.toLower(), schema::kSearched, prefix);
}

QString surahQueryText(const QString& prefix) {
    return prefixQueryText(schema::kVerseTable.toLower(), schema::kReference, prefix);
}

QString explanationQueryText(const QString& table, const QString& prefix) {
    return prefixQueryText(table, schema::kSearched, prefix);
}
