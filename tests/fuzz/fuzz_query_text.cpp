// The record source text parser on arbitrary text: an accepted query names one of the two
// fields, and writing it back out in the canonical shape reads the same.
#include "FuzzInput.h"
#include "QueryText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = fuzzinput::text(data, size);
    const std::optional<RecordSourceText> parsed = parseRecordSourceText(text);
    if (!parsed || parsed->kind != RecordSourceText::Kind::Query)
        return 0;
    fuzzinput::require(parsed->field.compare(u"Mum1", Qt::CaseInsensitive) == 0 ||
                       parsed->field.compare(u"Num3", Qt::CaseInsensitive) == 0);
    QString literal = parsed->pattern;
    literal.replace(u'\'', QStringLiteral("''"));
    const std::optional<RecordSourceText> again = parseRecordSourceText(
        QStringLiteral(" select * from data where %1 like '%2'").arg(parsed->field, literal));
    fuzzinput::require(again && again->kind == parsed->kind &&
                       again->table.compare(parsed->table, Qt::CaseInsensitive) == 0 &&
                       again->field == parsed->field && again->pattern == parsed->pattern);
    return 0;
}
