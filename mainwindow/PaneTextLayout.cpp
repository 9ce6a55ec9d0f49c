#include "PaneTextLayout.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

void PaneTextLayout::install(QPlainTextEdit* pane) {
    auto* document = new QTextDocument(pane);
    document->setDocumentLayout(new PaneTextLayout(document));
    document->setDefaultFont(pane->font());
    document->setUndoRedoEnabled(false);
    pane->setDocument(document);
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
}
