#include "WordStartIndex.h"

#include <algorithm>
#include <string_view>

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
    std::sort(starts_.begin(), starts_.end(), [this](const Start& a, const Start& b) {
        return units(from(a.offset)) < units(from(b.offset));
    });
    return true;
}

QStringView WordStartIndex::from(std::uint32_t offset) const {
    return QStringView(text_).mid(offset);
}

std::vector<WordStartIndex::Start>::const_iterator WordStartIndex::firstNotBefore(
    QStringView head) const {
    return std::lower_bound(starts_.begin(), starts_.end(), units(head),
                            [this](const Start& start, std::u16string_view wanted) {
                                return units(from(start.offset)) < wanted;
                            });
}
