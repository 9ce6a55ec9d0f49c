#include "RecordSource.h"

#include <bit>
#include <cstdint>

#include "LetterFolding.h"
#include "LikePattern.h"
#include "QueryText.h"
#include "WhyFailed.h"

namespace {

constexpr size_t kRowCacheLimit = 4096;

// Rows found in any order, read back in rowid order without sorting them.
class RowMarks {
  public:
    explicit RowMarks(size_t rows) : bits_((rows + 63) / 64) {}
    void mark(size_t row) { bits_[row / 64] |= std::uint64_t(1) << (row % 64); }
    template <typename Rows>
    void appendRowIds(const Rows& rows, std::vector<qint64>& rowIds) const {
        for (size_t word = 0; word < bits_.size(); ++word) {
            for (std::uint64_t bits = bits_[word]; bits != 0; bits &= bits - 1)
                rowIds.push_back(rows.rowId(word * 64 + size_t(std::countr_zero(bits))));
        }
    }

  private:
    std::vector<std::uint64_t> bits_;
};

}  // namespace

RecordSource::RecordSource(std::shared_ptr<SqliteDatabase> database, QString recordSource,
                           QObject* parent)
    : QObject(parent), database_(std::move(database)), recordSource_(std::move(recordSource)) {}

const RecordSource::TableShape* RecordSource::tableShape(const QString& written, QString* why) {
    if (auto known = tables_.find(written); known != tables_.end())
        return &known->second;
    const QString table = database_->tableName(written);
    if (table.isEmpty()) {
        fail(why, QStringLiteral("no table named %1").arg(written));
        return nullptr;
    }
    TableShape shape{table, database_->columnNames(table), {}};
    shape.rowStatement = database_->prepare(
        QStringLiteral("SELECT * FROM %1 WHERE rowid = ?1").arg(quotedIdentifier(table)));
    if (!shape.rowStatement.isValid()) {
        fail(why, database_->lastError());
        return nullptr;
    }
    return &tables_.emplace(written, std::move(shape)).first->second;
}

bool RecordSource::refresh(QString* why) {
    QString reason;
    const std::optional<RecordSourceText> text = parseRecordSourceText(recordSource_, &reason);
    if (!text)
        return fail(why, reason);
    const TableShape* shape = tableShape(text->table, why);
    if (!shape)
        return false;
    const QString& table = shape->table;

    std::vector<qint64> rowIds;
    if (text->kind == RecordSourceText::Kind::Table) {
        SqliteStatement all = database_->prepare(
            QStringLiteral("SELECT rowid FROM %1 ORDER BY rowid").arg(quotedIdentifier(table)));
        if (!all.isValid())
            return fail(why, database_->lastError());
        while (all.step())
            rowIds.push_back(all.columnInt64(0));
        if (all.failed())
            return fail(why, database_->lastError());
    } else {
        const qsizetype field = fieldIndex(shape->fields, text->field);
        if (field < 0)
            return fail(why, QStringLiteral("no field named %1").arg(text->field));
        const bool selected =
            isExplanationTable(text->table)
                ? selectWordStartRowIds(table, shape->fields[field], text->pattern, rowIds, why)
                : selectRowIds(table, shape->fields[field], text->pattern, rowIds, why);
        if (!selected)
            return false;
    }

    // The tables are only read, so the rows already read stay valid for the same table.
    if (shape != shape_)
        rowCache_.clear();
    shape_ = shape;
    rowIds_ = std::move(rowIds);
    if (rowIds_.empty()) {
        position_ = -1;
        bof_ = eof_ = true;
    } else {
        position_ = 0;
        bof_ = eof_ = false;
    }
    emit recordSetChanged();
    emit currentChanged();
    return true;
}

bool RecordSource::selectRowIds(const QString& table, const QString& field,
                                const QString& patternText, std::vector<qint64>& rowIds,
                                QString* why) const {
    const bool tolerant = matching_ == Matching::Tolerant;
    const std::optional<LikePattern> pattern =
        LikePattern::compile(tolerant ? foldLetterForms(patternText) : patternText);
    if (!pattern)
        return fail(why, QStringLiteral("invalid pattern"));
    const FieldColumn* column = this->column(table, field, why);
    if (!column)
        return false;

    // A pattern's literal head without case variants narrows the rows to those beginning with
    // it (a surah's item text up to its Latin name, a typed Arabic word whole).
    const QString& head = pattern->caselessPrefix();
    if (!head.isEmpty()) {
        const bool filter = !pattern->isPlainPrefix() || !pattern->literalPrefixIsCaseless();
        RowMarks marks(column->size());
        column->forEachBeginningWith(head, [&](size_t row) {
            if (!filter || pattern->matches(column->value(row)))
                marks.mark(row);
        });
        marks.appendRowIds(*column, rowIds);
        return true;
    }
    for (size_t row = 0; row < column->size(); ++row) {
        if (!column->isNull(row) && pattern->matches(column->value(row)))
            rowIds.push_back(column->rowId(row));
    }
    return true;
}

bool RecordSource::selectWordStartRowIds(const QString& table, const QString& field,
                                         QStringView pattern, std::vector<qint64>& rowIds,
                                         QString* why) const {
    const FieldColumn::Fold fold = wordStartFold(table);
    const std::pair key{table + u'\n' + field, fold};
    auto index = wordStarts_.find(key);
    if (index == wordStarts_.end()) {
        WordStartIndex loaded;
        if (!loaded.load(*database_, table, field, fold, why))
            return false;
        index = wordStarts_.emplace(key, std::move(loaded)).first;
    }
    if (pattern.endsWith(u'*'))
        pattern.chop(1);
    // A row with several such words is listed once.
    RowMarks marks(index->second.size());
    index->second.forEachRowWithWordBeginning(pattern, [&](size_t row) { marks.mark(row); });
    marks.appendRowIds(index->second, rowIds);
    return true;
}

FieldColumn::Fold RecordSource::wordStartFold(const QString& table) const {
    if (table.compare(u"english", Qt::CaseInsensitive) == 0)
        return foldCase;
    return matching_ == Matching::Tolerant ? foldKeyboardLettersAndForms : foldKeyboardLetters;
}

const FieldColumn* RecordSource::column(const QString& table, const QString& field,
                                        QString* why) const {
    // The folded values are a column of their own.
    const std::pair key{table + u'\n' + field, matching_};
    if (auto cached = columns_.find(key); cached != columns_.end())
        return &cached->second;
    FieldColumn column;
    const FieldColumn::Fold fold = matching_ == Matching::Tolerant ? foldLetterForms : nullptr;
    if (!column.load(*database_, table, field, why, fold))
        return nullptr;
    return &columns_.emplace(key, std::move(column)).first->second;
}

void RecordSource::clearRecordSet() {
    rowIds_.clear();
    rowCache_.clear();
    position_ = -1;
    bof_ = eof_ = true;
    emit recordSetChanged();
    emit currentChanged();
}

void RecordSource::setPosition(int position) {
    position_ = position;
    bof_ = eof_ = false;
    emit currentChanged();
}

bool RecordSource::moveFirst() {
    if (rowIds_.empty())
        return false;
    setPosition(0);
    return true;
}

bool RecordSource::moveLast() {
    if (rowIds_.empty())
        return false;
    setPosition(recordCount() - 1);
    return true;
}

bool RecordSource::moveNext() {
    if (eof_)
        return false;
    if (position_ + 1 < recordCount()) {
        setPosition(position_ + 1);
    } else {
        position_ = -1;
        eof_ = true;
        emit currentChanged();
    }
    return true;
}

bool RecordSource::movePrevious() {
    if (bof_)
        return false;
    if (eof_) {
        // From past the end the previous row is the last one.
        setPosition(recordCount() - 1);
    } else if (position_ > 0) {
        setPosition(position_ - 1);
    } else {
        position_ = -1;
        bof_ = true;
        emit currentChanged();
    }
    return true;
}

bool RecordSource::moveTo(int position) {
    if (position < 0 || position >= recordCount())
        return false;
    setPosition(position);
    return true;
}

const QStringList& RecordSource::row(qint64 rowId) const {
    auto cached = rowCache_.find(rowId);
    if (cached != rowCache_.end())
        return cached->second;
    if (rowCache_.size() >= kRowCacheLimit)
        rowCache_.clear();

    QStringList values;
    SqliteStatement& statement = shape_->rowStatement;
    statement.reset();
    statement.bindInt64(1, rowId);
    if (statement.step()) {
        const int columns = int(shape_->fields.size());
        values.reserve(columns);
        for (int column = 0; column < columns; ++column)
            values.append(statement.columnText(column));
    }
    const bool failed = statement.failed();
    statement.reset();
    // A row that could not be read now (another program committing) is read again next time.
    if (failed)
        return kNoFields;
    return rowCache_.emplace(rowId, std::move(values)).first->second;
}

QString RecordSource::value(int row, int column) const {
    if (row < 0 || row >= recordCount() || column < 0)
        return {};
    const QStringList& values = this->row(rowIds_[size_t(row)]);
    return column < values.size() ? values[column] : QString();
}

QString RecordSource::field(const QString& name) const {
    if (position_ < 0)
        return {};
    const qsizetype column = fieldIndex(fieldNames(), name);
    return column < 0 ? QString() : value(position_, int(column));
}
