#pragma once

#include <QString>

// Empties the clipboard, then puts `text` on it as plain text.
void putOnClipboard(const QString& text);
