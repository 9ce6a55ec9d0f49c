#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

#include "FieldColumn.h"
#include "SqliteDatabase.h"
#include "WordStartIndex.h"

// A record source over one table of a database: a record source text (a table name or one of
// the two query shapes), the record set it last produced and a current record.
// Record sets come in table order (rowid order). A failed refresh keeps the previous
// record set and current record.
class RecordSource : public QObject {
    Q_OBJECT

  public:
    RecordSource(std::shared_ptr<SqliteDatabase> database, QString recordSource,
                 QObject* parent = nullptr);

    const QString& recordSource() const { return recordSource_; }
    void setRecordSource(const QString& text) { recordSource_ = text; }

    // How a refresh compares a pattern with a field. Tolerant matching compares both with
    // their letter forms folded; the record source text and the rows stay as they are.
    // In an explanation table a refresh finds instead the rows one of whose words begins with
    // the pattern's text before its closing `*`, taken literally: English without case, Arabic
    // and Kurdish with the keyboards' letters folded (and the letter forms, when tolerant).
    enum class Matching { Exact, Tolerant };
    void setMatching(Matching matching) { matching_ = matching; }
    Matching matching() const { return matching_; }

    // Rebuilds the record set from the record source text; the first row becomes current.
    // False (with *why) when the text is not an accepted shape, names no table or field,
    // holds an invalid pattern, or the database fails.
    bool refresh(QString* why = nullptr);

    // Leaves an empty record set, as a query that matched nothing would.
    void clearRecordSet();

    const QStringList& fieldNames() const { return shape_ ? shape_->fields : kNoFields; }
    int recordCount() const { return int(rowIds_.size()); }

    bool moveFirst();
    bool moveLast();
    bool moveNext();
    bool movePrevious();
    bool moveTo(int position);
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    int absolutePosition() const { return position_; }

    // The current record's field as text; empty without a current record, for a NULL value
    // or an unknown field.
    QString field(const QString& name) const;
    // Field `column` (index into fieldNames()) of row `row` of the record set.
    QString value(int row, int column) const;

  signals:
    void recordSetChanged();
    void currentChanged();

  private:
    // A table as the database names it, its fields, and the statement that reads one row.
    struct TableShape {
        QString table;
        QStringList fields;
        mutable SqliteStatement rowStatement;
    };
    inline static const QStringList kNoFields;

    const TableShape* tableShape(const QString& written, QString* why);
    bool selectRowIds(const QString& table, const QString& field, const QString& pattern,
                      std::vector<qint64>& rowIds, QString* why) const;
    const FieldColumn* column(const QString& table, const QString& field, QString* why) const;
    bool selectWordStartRowIds(const QString& table, const QString& field, QStringView pattern,
                               std::vector<qint64>& rowIds, QString* why) const;
    FieldColumn::Fold wordStartFold(const QString& table) const;
    const QStringList& row(qint64 rowId) const;
    void setPosition(int position);

    std::shared_ptr<SqliteDatabase> database_;
    QString recordSource_;
    Matching matching_ = Matching::Exact;
    const TableShape* shape_ = nullptr;  // of the record set
    std::vector<qint64> rowIds_;
    int position_ = -1;
    bool bof_ = true;
    bool eof_ = true;

    std::map<QString, TableShape> tables_;  // by the name as a record source writes it
    mutable std::unordered_map<qint64, QStringList> rowCache_;
    mutable std::map<std::pair<QString, Matching>, FieldColumn> columns_;
    mutable std::map<std::pair<QString, FieldColumn::Fold>, WordStartIndex> wordStarts_;
};
