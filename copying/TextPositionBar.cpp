#include "TextPositionBar.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <algorithm>

TextPositionBar::TextPositionBar(QPlainTextEdit* field, QWidget* parent)
    : QScrollBar(Qt::Vertical, parent), field_(field) {
    field_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Wheel and keys still scroll through the field's own bar; this one follows.
    connect(field_, &QPlainTextEdit::updateRequest, this, &TextPositionBar::followField);
    connect(field_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &TextPositionBar::followField);
    connect(this, &QScrollBar::valueChanged, this, &TextPositionBar::scrollFieldTo);
}

void TextPositionBar::followField() {
    // A dragged thumb stays where the hand put it.
    if (isSliderDown())
        return;
    const QRect view = field_->viewport()->rect();
    const int top = field_->cursorForPosition(view.topLeft()).position();
    const int inView = field_->cursorForPosition(view.bottomRight()).position() - top;
    const int length = field_->document()->characterCount();
    following_ = true;
    setPageStep(std::max(1, inView));
    setRange(0, std::max(0, length - pageStep()));
    // At the end the last page is in view, whatever its length.
    const QScrollBar* own = field_->verticalScrollBar();
    setValue(own->value() == own->maximum() ? maximum() : top);
    following_ = false;
}

void TextPositionBar::scrollFieldTo(int position) {
    if (following_)
        return;
    const QTextBlock block = field_->document()->findBlock(position);
    if (!block.isValid())
        return;
    // Lays the paragraph out, so that its lines are known.
    field_->document()->documentLayout()->blockBoundingRect(block);
    const int line = block.layout()->lineForTextPosition(position - block.position()).lineNumber();
    field_->verticalScrollBar()->setValue(block.firstLineNumber() + std::max(0, line));
}
