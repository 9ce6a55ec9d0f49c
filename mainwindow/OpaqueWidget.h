#pragma once

class QAbstractScrollArea;
class QColor;
class QWidget;

// Marks widgets that paint every pixel as opaque, so that a new text, a moved scroll bar or a
// typed letter repaints only them, not the frame, group box and window beneath (each group
// box rasterising its rounded border and shaping its caption again at every paint).
namespace OpaqueWidget {

// `ground`, when valid, is what the widget fills itself with before it paints: the colour it
// would have shown through its corners, or a pane's coloured ground that the style would
// otherwise have painted beneath it.
void keep(QWidget* widget, const QColor& ground);
// A scroll area's scroll bars, which both styles in use fill edge to edge, and with a valid
// `ground` its viewport, filled with it.
void keepScrollArea(QAbstractScrollArea* area, const QColor& ground);

}  // namespace OpaqueWidget
