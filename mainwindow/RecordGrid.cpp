#include "RecordGrid.h"

#include <QHeaderView>

#include "CaptionedHeader.h"
#include "GridCellDelegate.h"
#include "OpaqueWidget.h"
#include "RecordSetModel.h"
#include "RecordSource.h"

RecordGrid::RecordGrid(RecordSource* source, const QStringList& columns, QWidget* parent)
    : QTableView(parent),
      source_(source),
      model_(new RecordSetModel(source, columns, this)),
      header_(new CaptionedHeader(this)) {
    setHorizontalHeader(header_);
    setModel(model_);
    setItemDelegate(new GridCellDelegate(this));
    OpaqueWidget::keepScrollArea(this, {});
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    // Uniform rows let the view skip measuring tens of thousands of them.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);

    connect(source_, &RecordSource::currentChanged, this, &RecordGrid::showCurrentRecord);
    connect(source_, &RecordSource::recordSetChanged, this, &RecordGrid::showCurrentRecord);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (following_ || !current.isValid())
                    return;
                source_->moveTo(current.row());
                emit cellMoved();
            });
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        source_->moveTo(index.row());
        emit rowClicked();
    });
}

QString RecordGrid::caption() const {
    return header_->caption();
}

void RecordGrid::setCaption(const QString& caption) {
    header_->setCaption(caption);
    // The headers show field names; a screen reader says the caption above them instead.
    for (int column = 0; column < model_->columnCount(); ++column)
        model_->setHeaderData(column, Qt::Horizontal, caption, Qt::AccessibleTextRole);
}

void RecordGrid::showCurrentRecord() {
    const int row = source_->absolutePosition();
    // A refresh reports the new record set and then its current record: the second finds the
    // row already selected.
    if (row >= 0 && currentIndex().row() == row && selectionModel()->isRowSelected(row, {})) {
        scrollTo(currentIndex());
        return;
    }
    following_ = true;
    if (row < 0) {
        selectionModel()->clear();
    } else {
        const QModelIndex index = model_->index(row, 0);
        selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(index);
    }
    following_ = false;
}
