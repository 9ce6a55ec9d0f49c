#pragma once

#include <QTableView>

class CaptionedHeader;
class RecordSource;
class RecordSetModel;

// A grid over a record source: lists its record set with the named columns, shows its current
// record as the selected row, and makes a row the current record when the user selects it.
// `rowClicked` follows a click; `cellMoved` any move of the current cell by the user.
class RecordGrid : public QTableView {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)

  public:
    RecordGrid(RecordSource* source, const QStringList& columns, QWidget* parent = nullptr);

    // The caption above the column headers; none while it is empty.
    QString caption() const;
    void setCaption(const QString& caption);

  signals:
    void rowClicked();
    void cellMoved();

  private:
    void showCurrentRecord();

    RecordSource* source_;
    RecordSetModel* model_;
    CaptionedHeader* header_;
    bool following_ = false;
};
