#include "CaptionedHeader.h"

#include <QPainter>
#include <QStyleOptionHeader>

CaptionedHeader::CaptionedHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

void CaptionedHeader::setCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    // The grid places its rows below the header's new height.
    updateGeometry();
    emit geometriesChanged();
    viewport()->update();
}

int CaptionedHeader::captionHeight() const {
    return caption_.isEmpty() ? 0 : fontMetrics().height() + 8;
}

QSize CaptionedHeader::sizeHint() const {
    return QHeaderView::sizeHint() + QSize(0, captionHeight());
}

void CaptionedHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    QHeaderView::paintSection(painter, rect.adjusted(0, captionHeight(), 0, 0), logicalIndex);
}

void CaptionedHeader::paintEvent(QPaintEvent* event) {
    QHeaderView::paintEvent(event);
    if (caption_.isEmpty())
        return;
    // Drawn as one header cell across the whole width, in the skin's look of the headers.
    QPainter painter(viewport());
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = QRect(0, 0, viewport()->width(), captionHeight());
    option.text = caption_;
    option.textAlignment = Qt::AlignCenter;
    option.position = QStyleOptionHeader::OnlyOneSection;
    style()->drawControl(QStyle::CE_Header, &option, &painter, this);
}
