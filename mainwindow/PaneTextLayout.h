#pragma once

#include <QPlainTextDocumentLayout>

class QPlainTextEdit;

// The layout of a verse or explanation pane, and the way a pane's text is replaced, both made
// so that a new text is shaped and laid out once. The stock edit laid a long Arabic explanation
// out three times and measured the cursor through every line of it again: once to measure the
// old height (a paragraph not yet laid out counts as having none here), once to reformat it,
// once to move the cursor back to the start and bring it into view.
class PaneTextLayout : public QPlainTextDocumentLayout {
    Q_OBJECT

  public:
    using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

    // Gives the pane a document of its own laid out by this layout.
    static void install(QPlainTextEdit* pane);
    // Shows `text` in an installed pane from its first line.
    static void replaceText(QPlainTextEdit* pane, const QString& text);
    // The height an installed pane needs to show one whole line of its font, as tall as the
    // tallest it laid out.
    static int heightForOneLine(const QPlainTextEdit* pane);

    QRectF blockBoundingRect(const QTextBlock& block) const override;

  signals:
    // A line taller than any other of the pane's font so far was laid out.
    void tallerLine();

  protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

  private:
    void measureLines(const QTextBlock& first, int end);

    mutable int changedBlock_ = -1;
    QFont measuredFont_;
    qreal tallestLine_ = 0;
};
