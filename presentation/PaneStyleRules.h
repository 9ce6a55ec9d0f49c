#pragma once

#include <QFont>
#include <QString>
#include <QStringView>
#include <optional>

// How a pane's style controls turn into its font.
namespace PaneStyleRules {

// A bold flag says bold when it is the number 0 ("0", " -0.0 ") and when it is no number at all
// (the empty text, "x", "5x"). Any other number, "0.4" or "1", says not bold.
bool flagSaysBold(QStringView flag);
// The flag a bold box writes: "0" ticked, "1" unticked.
QString flagFor(bool bold);

// The point size a size list's text names; none when the text is no positive number.
std::optional<int> pointSize(QStringView sizeText);

// `font` with the family named in a font list and the size named in a size list. The named
// family comes first, followed by the installed fonts that stand in for it, so that a name of
// a font the system lacks still renders its script. An empty name keeps the family, a size
// text that is no number the size.
QFont withNameAndSize(QFont font, const QString& fontName, QStringView sizeText);

}  // namespace PaneStyleRules
