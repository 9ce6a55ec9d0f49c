#include "GridCellDelegate.h"

#include <QApplication>
#include <QPainter>

namespace {

// Enough for every row a grid can show many times over.
constexpr qsizetype kKeptTexts = 4000;

}  // namespace

GridCellDelegate::GridCellDelegate(QObject* parent)
    : QStyledItemDelegate(parent), shapedTexts_(kKeptTexts), fontKey_(keyedFont_.key()) {}

const QStaticText& GridCellDelegate::shaped(const QStyleOptionViewItem& option, int width) const {
    // The same text shapes differently at another width (elision), in another font or in the
    // other reading direction, so all of them are part of the key.
    if (option.font != keyedFont_) {
        keyedFont_ = option.font;
        fontKey_ = option.font.key();
    }
    QString key = fontKey_;
    key += QChar(u'\x1f') + QString::number(width) +
           QChar(option.direction == Qt::RightToLeft ? u'r' : u'l') + QChar(u'\x1f') + option.text;
    if (QStaticText* kept = shapedTexts_.object(key))
        return *kept;
    const QString shown = option.fontMetrics.elidedText(option.text, option.textElideMode, width);
    auto* text = new QStaticText(shown);
    text->setTextFormat(Qt::PlainText);
    QTextOption layout;
    layout.setTextDirection(option.direction);
    layout.setWrapMode(QTextOption::NoWrap);
    text->setTextOption(layout);
    text->prepare(QTransform(), option.font);
    shapedTexts_.insert(key, text);
    return *text;
}

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QWidget* widget = cell.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();

    // The style draws the cell without its text (background, selection, focus) and tells where
    // the text goes; with the text left out it need not shape it to say so.
    const QString text = cell.text;
    cell.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, widget)
                           .adjusted(margin, 0, -margin, 0);
    if (text.isEmpty() || area.width() <= 0)
        return;
    cell.text = text;
    const QStaticText& shapedText = shaped(cell, area.width());
    const QSize size = shapedText.size().toSize();
    const QRect placed = QStyle::alignedRect(cell.direction, cell.displayAlignment, size, area);

    const bool selected = cell.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = !(cell.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (cell.state & QStyle::State_Active) ? QPalette::Normal
                                                                             : QPalette::Inactive;
    painter->save();
    painter->setClipRect(area);
    painter->setPen(
        cell.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawStaticText(placed.topLeft(), shapedText);
    painter->restore();
}
