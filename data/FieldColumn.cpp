#include "FieldColumn.h"

#include <algorithm>
#include <string_view>

#include "WhyFailed.h"

namespace {

// Code-unit order: every text that begins with a given head sorts in one run after it.
std::u16string_view units(QStringView text) {
    return {text.utf16(), size_t(text.size())};
}

}  // namespace

SqliteStatement selectInRowidOrder(const SqliteDatabase& database, const QString& table,
                                   const QString& field) {
    return database.prepare(QStringLiteral("SELECT rowid, %2 FROM %1 ORDER BY rowid")
                                .arg(quotedIdentifier(table), quotedIdentifier(field)));
}

bool FieldColumn::load(const SqliteDatabase& database, const QString& table, const QString& field,
                       QString* why, Fold fold) {
    SqliteStatement all = selectInRowidOrder(database, table, field);
    if (!all.isValid())
        return fail(why, database.lastError());
    while (all.step()) {
        rowIds_.push_back(all.columnInt64(0));
        nulls_.push_back(all.columnIsNull(1));
        text_ += fold ? fold(all.columnText(1)) : all.columnText(1);
        ends_.push_back(text_.size());
    }
    if (all.failed())
        return fail(why, database.lastError());
    for (std::uint32_t row = 0; row < rowIds_.size(); ++row) {
        if (!nulls_[row])
            byValue_.push_back(row);
    }
    std::sort(byValue_.begin(), byValue_.end(), [this](std::uint32_t a, std::uint32_t b) {
        return units(value(a)) < units(value(b));
    });
    return true;
}

QStringView FieldColumn::value(size_t row) const {
    const qsizetype begin = row == 0 ? 0 : ends_[row - 1];
    return QStringView(text_).mid(begin, ends_[row] - begin);
}

std::vector<std::uint32_t>::const_iterator FieldColumn::firstNotBefore(QStringView head) const {
    return std::lower_bound(byValue_.begin(), byValue_.end(), units(head),
                            [this](std::uint32_t row, std::u16string_view wanted) {
                                return units(value(row)) < wanted;
                            });
}
