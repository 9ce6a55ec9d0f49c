#pragma once

class QAbstractScrollArea;
class QColor;

// Marks the parts of a scroll area that paint every pixel as opaque, so that a new text or a
// moved scroll bar repaints only those parts, not the frame, group box and window beneath
// them (each group box shaping its caption again at every paint).
namespace OpaqueScrollArea {

// For a viewport whose own fill comes from the style (a pane's coloured ground): the viewport
// now fills itself with `background` before its content is painted.
void install(QAbstractScrollArea* area, const QColor& background);
// For a viewport that fills itself already (a grid's white ground).
void install(QAbstractScrollArea* area);

}  // namespace OpaqueScrollArea
