#pragma once

#include <QHeaderView>

// A grid's column headers under one caption that spans them all; without a caption they are
// plain column headers.
class CaptionedHeader : public QHeaderView {
    Q_OBJECT

  public:
    explicit CaptionedHeader(QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

  private:
    int captionHeight() const;

    QString caption_;
};
