#pragma once

#include <QCache>
#include <QFont>
#include <QStaticText>
#include <QStyledItemDelegate>

// Paints grid cells from shaped texts it keeps: the grids show the same surah names and words
// again and again, and shaping Arabic anew for every cell of every repaint cost more than the
// search behind it.
class GridCellDelegate : public QStyledItemDelegate {
  public:
    explicit GridCellDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    const QStaticText& shaped(const QStyleOptionViewItem& option, int width) const;

    mutable QCache<QString, QStaticText> shapedTexts_;
    // Spelling a font out as a key costs more than finding a kept text: the grid's font
    // changes seldom.
    mutable QFont keyedFont_;
    mutable QString fontKey_;
};
