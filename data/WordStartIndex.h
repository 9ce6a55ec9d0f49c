#pragma once

#include <QString>
#include <QStringView>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "FieldColumn.h"
#include "SqliteDatabase.h"

// Every word beginning of one field of a whole table, held in memory and ordered by the text
// that follows it, so that the rows with a word (or run of words) beginning with a text are
// found by halving. Values are held folded, and the text looked for is folded alike.
class WordStartIndex {
  public:
    // False (with *why) when the table or field cannot be read.
    bool load(const SqliteDatabase& database, const QString& table, const QString& field,
              FieldColumn::Fold fold, QString* why);

    size_t size() const { return rowIds_.size(); }
    qint64 rowId(size_t row) const { return rowIds_[row]; }

    // The rows one of whose words begins the run `head` (folded as the values are) begins, once
    // for every such word, in no set order.
    template <typename Visit>
    void forEachRowWithWordBeginning(QStringView head, Visit visit) const {
        const QString wanted = fold_ ? fold_(head) : head.toString();
        if (wanted.isEmpty())
            return;
        // The run is found by halving at both ends: a short head begins a large share of all
        // words, whose texts lie all over memory.
        const auto first = firstNotBefore(wanted);
        const auto last = std::partition_point(first, starts_.end(), [&](const Start& start) {
            return from(start.offset).startsWith(wanted, Qt::CaseSensitive);
        });
        for (auto it = first; it != last; ++it)
            visit(size_t(it->row));
    }

  private:
    struct Start {
        std::uint32_t offset;  // into text_
        std::uint32_t row;
    };
    QStringView from(std::uint32_t offset) const;
    std::vector<Start>::const_iterator firstNotBefore(QStringView head) const;

    FieldColumn::Fold fold_ = nullptr;
    std::vector<qint64> rowIds_;
    QString text_;  // every value, folded, each closed by a character no word holds
    std::vector<Start> starts_;
};
