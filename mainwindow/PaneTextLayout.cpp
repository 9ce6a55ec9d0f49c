#include "PaneTextLayout.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace {

// Steps through a pane's lines. The edit's page is the lines that fit whole in the view: a
// line taller than the view made that none, the wheel and the track, which step by at most a
// page, stood still, and the range reached one past the last line.
class PaneScrollBar : public QScrollBar {
  public:
    explicit PaneScrollBar(QPlainTextEdit* pane) : QScrollBar(Qt::Vertical, pane), pane_(pane) {}

  protected:
    void sliderChange(SliderChange change) override {
        if (change == SliderStepsChange && pageStep() < 1) {
            setMaximum(std::min(maximum(), std::max(0, pane_->document()->lineCount() - 1)));
            setPageStep(1);
            return;
        }
        QScrollBar::sliderChange(change);
    }

  private:
    QPlainTextEdit* pane_;
};

}  // namespace

void PaneTextLayout::install(QPlainTextEdit* pane) {
    auto* document = new QTextDocument(pane);
    document->setDocumentLayout(new PaneTextLayout(document));
    document->setDefaultFont(pane->font());
    document->setUndoRedoEnabled(false);
    pane->setDocument(document);
    pane->setVerticalScrollBar(new PaneScrollBar(pane));
}

int PaneTextLayout::heightForOneLine(const QPlainTextEdit* pane) {
    // A line stands as high as the highest font that shapes it and reaches as low as the
    // lowest: the verses' marks come from the pane font's second stand-in, taller than the first.
    QFont font = pane->font();
    qreal ascent = 0;
    qreal descent = 0;
    qreal leading = 0;
    for (const QString& family : QStringList{font.family()} + QFont::substitutes(font.family())) {
        font.setFamily(family);
        const QFontMetricsF metrics(font);
        ascent = std::max(ascent, metrics.ascent());
        descent = std::max(descent, metrics.descent());
        leading = std::max(leading, metrics.leading());
    }
    qreal lineHeight = ascent + descent + leading;
    if (const auto* layout =
            qobject_cast<const PaneTextLayout*>(pane->document()->documentLayout()))
        lineHeight = std::max(lineHeight, layout->tallestLine_);
    // The edit counts a line as shown when it ends a margin and a pixel above the view's foot.
    const qreal margin = pane->document()->documentMargin();
    return int(std::ceil(lineHeight + 2 * margin)) + 1 + 2 * pane->frameWidth();
}

void PaneTextLayout::replaceText(QPlainTextEdit* pane, const QString& text) {
    // The new text goes in after the old one, which then goes: the pane's own cursor ends at
    // the start without being moved, so nothing measures where it stands. Inside one edit
    // block the change is laid out once, at its end.
    QTextDocument* document = pane->document();
    const int oldLength = document->characterCount() - 1;
    QTextCursor edit(document);
    edit.beginEditBlock();
    edit.setPosition(oldLength);
    edit.insertText(text);
    edit.setPosition(0);
    edit.setPosition(oldLength, QTextCursor::KeepAnchor);
    edit.removeSelectedText();
    edit.endEditBlock();
    // A cursor that stood at the old text's end (an empty pane, or a reader's click there)
    // moved along with the insertion.
    if (pane->textCursor().position() != 0)
        pane->setTextCursor(QTextCursor(document));
    pane->verticalScrollBar()->setValue(0);
}

QRectF PaneTextLayout::blockBoundingRect(const QTextBlock& block) const {
    if (block.blockNumber() == changedBlock_ && block.layout()->lineCount() == 0) {
        changedBlock_ = -1;
        return {};
    }
    return QPlainTextDocumentLayout::blockBoundingRect(block);
}

void PaneTextLayout::documentChanged(int from, int charsRemoved, int charsAdded) {
    // A paragraph keeps its shaped glyphs: by default they are dropped after every layout and
    // every paint, and shaped again for the next paint.
    const QTextBlock first = document()->findBlock(from);
    for (QTextBlock block = first; block.isValid() && block.position() <= from + charsAdded;
         block = block.next())
        block.layout()->setCacheEnabled(true);
    changedBlock_ = first.blockNumber();
    QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
    changedBlock_ = -1;
    measureLines(first, from + charsAdded);
}

void PaneTextLayout::measureLines(const QTextBlock& first, int end) {
    if (document()->defaultFont() != measuredFont_) {
        measuredFont_ = document()->defaultFont();
        tallestLine_ = 0;
    }
    qreal tallest = tallestLine_;
    for (QTextBlock block = first; block.isValid() && block.position() <= end;
         block = block.next()) {
        const QTextLayout* lines = block.layout();
        for (int i = 0; i < lines->lineCount(); ++i)
            tallest = std::max(tallest, lines->lineAt(i).height());
    }
    if (tallest > tallestLine_) {
        tallestLine_ = tallest;
        emit tallerLine();
    }
}
