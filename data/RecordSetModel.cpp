#include "RecordSetModel.h"

#include "RecordSource.h"
#include "SqliteDatabase.h"

namespace {
constexpr qsizetype kShownLength = 120;
}

RecordSetModel::RecordSetModel(RecordSource* source, QStringList columns, QObject* parent)
    : QAbstractTableModel(parent), source_(source), columns_(std::move(columns)) {
    resolveColumns();
    connect(source_, &RecordSource::recordSetChanged, this, [this] {
        beginResetModel();
        resolveColumns();
        endResetModel();
    });
}

void RecordSetModel::resolveColumns() {
    fieldIndexes_.clear();
    for (const QString& column : columns_)
        fieldIndexes_.append(int(fieldIndex(source_->fieldNames(), column)));
}

int RecordSetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : source_->recordCount();
}

int RecordSetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant RecordSetModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    // A cell shows far fewer characters than a whole verse; shaping the rest only to elide
    // it cost more than the search itself.
    return source_->value(index.row(), fieldIndexes_.value(index.column(), -1)).left(kShownLength);
}

QVariant RecordSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::AccessibleTextRole && orientation == Qt::Horizontal)
        return accessibleHeaders_.value(section);
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return columns_.value(section);
    return section + 1;
}

bool RecordSetModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                                   int role) {
    if (role != Qt::AccessibleTextRole || orientation != Qt::Horizontal || section < 0 ||
        section >= columns_.size())
        return false;
    accessibleHeaders_.resize(columns_.size());
    accessibleHeaders_[section] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}
