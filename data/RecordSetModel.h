#pragma once

#include <QAbstractTableModel>
#include <QStringList>

class RecordSource;

// The rows of a record source's record set, in record-set order, with the named columns.
// Rows are read on demand, so a record set of tens of thousands of rows costs nothing until
// a grid shows it.
class RecordSetModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    RecordSetModel(RecordSource* source, QStringList columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // Takes a column header's accessible text, which a screen reader says in place of the
    // field name the header shows; no other header data changes.
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;

  private:
    void resolveColumns();

    RecordSource* source_;
    QStringList columns_;
    QList<int> fieldIndexes_;
    QStringList accessibleHeaders_;
};
