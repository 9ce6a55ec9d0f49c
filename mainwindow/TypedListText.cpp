#include "TypedListText.h"

#include <QComboBox>
#include <QLineEdit>

void keepTypedText(QComboBox* list) {
    // The list finishes an edit by choosing the entry whose text was typed.
    QObject::disconnect(list->lineEdit(), &QLineEdit::editingFinished, list, nullptr);
}
