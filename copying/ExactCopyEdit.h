#pragma once

#include <QPlainTextEdit>

// A text field whose copies (Ctrl+C, the context menu, the mouse selection) carry the
// selected characters as they were written: the stock copy turns a no-break space into a
// blank. A paragraph break is copied as CR LF, the line break the copied texts are built with.
class ExactCopyEdit : public QPlainTextEdit {
    Q_OBJECT

  public:
    using QPlainTextEdit::QPlainTextEdit;

  protected:
    QMimeData* createMimeDataFromSelection() const override;
};
