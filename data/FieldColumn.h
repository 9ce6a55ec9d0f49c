#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

#include "SqliteDatabase.h"

// One field of a whole table held in memory, read once: every pattern is matched here instead
// of through the database on every keystroke. Rows are kept in rowid order, and also ordered
// by value so that the rows beginning with a text are found by halving.
// Every row's rowid and `field` of `table`, in rowid order; invalid on error.
SqliteStatement selectInRowidOrder(const SqliteDatabase& database, const QString& table,
                                   const QString& field);

class FieldColumn {
  public:
    // What a value is held as; none keeps it as stored.
    using Fold = QString (*)(QStringView);

    // False (with *why) when the table or field cannot be read.
    bool load(const SqliteDatabase& database, const QString& table, const QString& field,
              QString* why, Fold fold = nullptr);

    size_t size() const { return rowIds_.size(); }
    qint64 rowId(size_t row) const { return rowIds_[row]; }
    bool isNull(size_t row) const { return nulls_[row]; }
    QStringView value(size_t row) const;

    // The rows whose value begins with `head` code unit for code unit, in no set order.
    template <typename Visit>
    void forEachBeginningWith(QStringView head, Visit visit) const {
        for (auto it = firstNotBefore(head);
             it != byValue_.end() && value(*it).startsWith(head, Qt::CaseSensitive); ++it)
            visit(size_t(*it));
    }

  private:
    std::vector<std::uint32_t>::const_iterator firstNotBefore(QStringView head) const;

    std::vector<qint64> rowIds_;
    std::vector<bool> nulls_;
    QString text_;                        // all values back to back
    std::vector<qsizetype> ends_;         // where each value ends in `text_`
    std::vector<std::uint32_t> byValue_;  // rows with a value, by value in code-unit order
};
