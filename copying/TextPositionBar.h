#pragma once

#include <QScrollBar>

class QPlainTextEdit;

// The vertical scroll bar of a plain text field, measured in characters: the thumb stands
// where the first line in view stands in the whole text, and dragging it shows the text at
// that place. The field's own bar counts the lines of the paragraphs laid out so far, so over
// a long text of long paragraphs its thumb drifts as paragraphs come into view.
class TextPositionBar : public QScrollBar {
  public:
    // Takes the place of `field`'s own bar, which stays hidden.
    TextPositionBar(QPlainTextEdit* field, QWidget* parent);

  private:
    void followField();
    void scrollFieldTo(int position);

    QPlainTextEdit* field_;
    bool following_ = false;  // the bar is being moved to the field's place
};
