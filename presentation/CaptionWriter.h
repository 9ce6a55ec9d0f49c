#pragma once

#include <vector>

#include "CaptionSets.h"

class QObject;
class QString;
class QWidget;

// Writes the captions of `window` (those whose window name is its object name) to its controls,
// found by object name: a menu or frame gets a title, a grid a caption, any other control a
// text; the window's own name gets its title. A control's caption is its accessible name too.
// Controls of other windows, even of the window's children, are left alone.
void writeCaptions(QWidget& window, const std::vector<Caption>& captions);

// Gives the controls of `window` the accessible texts meant for it: a name where the text has
// one (the caption names the others), and a description. Write the captions first.
void writeAccessibleTexts(QWidget& window, const std::vector<AccessibleText>& texts);

// The control of object name `name` in `window`, not in a window of its own below it; null when
// there is none.
QObject* findControl(const QObject& window, const QString& name);
