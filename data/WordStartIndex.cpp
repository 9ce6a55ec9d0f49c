#include "WordStartIndex.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "WhyFailed.h"

namespace {

// Closes each value, so that no run of words reaches into the next row.
constexpr char16_t kValueEnd = u'\uFFFF';

std::u16string_view units(QStringView text) {
    return {text.utf16(), size_t(text.size())};
}

bool isWordCharacter(QChar c) {
    return c.isLetterOrNumber() || c.category() == QChar::Mark_NonSpacing;
}

}  // namespace

bool WordStartIndex::load(const SqliteDatabase& database, const QString& table,
                          const QString& field, FieldColumn::Fold fold, QString* why) {
    fold_ = fold;
    SqliteStatement all = selectInRowidOrder(database, table, field);
    if (!all.isValid())
        return fail(why, database.lastError());
    while (all.step()) {
        const auto row = std::uint32_t(rowIds_.size());
        rowIds_.push_back(all.columnInt64(0));
        const QString value = fold ? fold(all.columnText(1)) : all.columnText(1);
        for (qsizetype i = 0; i < value.size(); ++i) {
            if (value[i].isLetterOrNumber() && (i == 0 || !isWordCharacter(value[i - 1])))
                starts_.push_back({std::uint32_t(text_.size() + i), row});
        }
        text_ += value;
        text_ += QChar(kValueEnd);
    }
    if (all.failed())
        return fail(why, database.lastError());
    text_ += QString(kOrderedUnits, QChar(kValueEnd));
    orderStarts();
    return true;
}

// The first four letters, compared as one number, tell most starts apart at once.
void WordStartIndex::orderStarts() {
    struct Keyed {
        std::uint64_t leading;
        Start start;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(starts_.size());
    for (const Start& start : starts_) {
        std::uint64_t leading = 0;
        for (std::uint32_t i = 0; i < 4; ++i)
            leading = leading << 16 | text_[start.offset + i].unicode();
        keyed.push_back({leading, start});
    }
    std::sort(keyed.begin(), keyed.end(), [this](const Keyed& a, const Keyed& b) {
        if (a.leading != b.leading)
            return a.leading < b.leading;
        return std::pair(ordered(a.start), a.start.offset) <
               std::pair(ordered(b.start), b.start.offset);
    });
    for (size_t i = 0; i < keyed.size(); ++i)
        starts_[i] = keyed[i].start;
}

std::u16string_view WordStartIndex::ordered(const Start& start) const {
    return units(from(start.offset).left(kOrderedUnits));
}

QStringView WordStartIndex::from(std::uint32_t offset) const {
    return QStringView(text_).mid(offset);
}

WordStartIndex::StartRange WordStartIndex::startsWithLeading(QStringView leading) const {
    const std::u16string_view wanted = units(leading);
    const auto first = std::partition_point(starts_.begin(), starts_.end(),
                                            [&](const Start& s) { return ordered(s) < wanted; });
    const auto last = std::partition_point(first, starts_.end(), [&](const Start& s) {
        return ordered(s).substr(0, wanted.size()) == wanted;
    });
    return {first, last};
}
