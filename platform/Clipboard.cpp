#include "Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

void putOnClipboard(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}
