#include "ExactCopyEdit.h"

#include <QMimeData>

QMimeData* ExactCopyEdit::createMimeDataFromSelection() const {
    QString text = textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    auto* mime = new QMimeData;
    mime->setText(text);
    return mime;
}
