#include "VerseCopy.h"

#include "PaneTexts.h"

namespace {

QString explanation(const QString& pane) {
    return QStringLiteral(" (") + pane + QStringLiteral(") ");
}

}  // namespace

QString verseCopyText(VerseCopy command, const PaneTexts& panes) {
    switch (command) {
        case VerseCopy::Verse:
            return panes.verse;
        case VerseCopy::VerseArabic:
            return panes.verse + explanation(panes.arabic);
        case VerseCopy::VerseKurdish:
            return panes.verse + explanation(panes.kurdish);
        case VerseCopy::VerseEnglish:
            return panes.verse + explanation(panes.english);
        case VerseCopy::VerseAll:
            return panes.verse + explanation(panes.arabic) + explanation(panes.kurdish) +
                   explanation(panes.english);
        case VerseCopy::ArabicOnly:
            return explanation(panes.arabic);
        case VerseCopy::KurdishOnly:
            return explanation(panes.kurdish);
        case VerseCopy::EnglishOnly:
            return explanation(panes.english);
    }
    return {};
}
