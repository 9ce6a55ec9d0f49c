#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <string_view>
#include <vector>

#include "FieldColumn.h"
#include "SqliteDatabase.h"

// Every word beginning of one field of a whole table, held in memory and ordered by the letters
// that follow it, so that the rows with a word (or run of words) beginning with a text are
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
        // The starts are ordered by their leading letters only; a longer head is looked for
        // among those that share its leading letters.
        const QStringView leading = QStringView(wanted).left(kOrderedUnits);
        const auto [first, last] = startsWithLeading(leading);
        for (auto it = first; it != last; ++it) {
            if (wanted.size() <= kOrderedUnits || from(it->offset).startsWith(wanted))
                visit(size_t(it->row));
        }
    }

  private:
    // How many letters from a word's start the order of the starts covers, so that texts that
    // repeat whole phrases are not compared at length.
    static constexpr qsizetype kOrderedUnits = 16;
    struct Start {
        std::uint32_t offset;  // into text_
        std::uint32_t row;
    };
    using StartRange =
        std::pair<std::vector<Start>::const_iterator, std::vector<Start>::const_iterator>;
    void orderStarts();
    QStringView from(std::uint32_t offset) const;
    std::u16string_view ordered(const Start& start) const;
    StartRange startsWithLeading(QStringView leading) const;

    FieldColumn::Fold fold_ = nullptr;
    std::vector<qint64> rowIds_;
    // Every value, folded, each closed by a character no word holds, and enough of those at
    // the end that every start has its ordered letters.
    QString text_;
    std::vector<Start> starts_;
};
