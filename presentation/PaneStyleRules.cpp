#include "PaneStyleRules.h"

#include <QLocale>
#include <cmath>

#include "DecimalText.h"
#include "FontSubstitutions.h"

using namespace Qt::StringLiterals;

namespace PaneStyleRules {

bool flagSaysBold(QStringView flag) {
    bool isNumber = false;
    const double value = QLocale::c().toDouble(flag.trimmed(), &isNumber);
    return !isNumber || !std::isfinite(value) || value == 0;
}

QString flagFor(bool bold) {
    return bold ? u"0"_s : u"1"_s;
}

std::optional<int> pointSize(QStringView sizeText) {
    const qint64 size = DecimalText::roundedValue(sizeText);
    // Far beyond any size list's entries; a font cannot take it.
    constexpr qint64 kLargest = 1000;
    if (size <= 0 || size > kLargest)
        return std::nullopt;
    return int(size);
}

QFont withNameAndSize(QFont font, const QString& fontName, QStringView sizeText) {
    if (!fontName.isEmpty()) {
        QStringList families{fontName};
        for (const FontSubstitution& substitution : fontSubstitutions()) {
            if (substitution.family.compare(fontName, Qt::CaseInsensitive) == 0)
                families += substitution.substitutes;
        }
        font.setFamilies(families);
    }
    if (const std::optional<int> size = pointSize(sizeText))
        font.setPointSize(*size);
    return font;
}

}  // namespace PaneStyleRules
