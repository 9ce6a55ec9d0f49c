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
            return panes.Text4;
        case VerseCopy::VerseArabic:
            return panes.Text4 + explanation(panes.Te1);
        case VerseCopy::VerseKurdish:
            return panes.Text4 + explanation(panes.TE2);
        case VerseCopy::VerseEnglish:
            return panes.Text4 + explanation(panes.TE3);
        case VerseCopy::VerseAll:
            return panes.Text4 + explanation(panes.Te1) + explanation(panes.TE2) +
                   explanation(panes.TE3);
        case VerseCopy::ArabicOnly:
            return explanation(panes.Te1);
        case VerseCopy::KurdishOnly:
            return explanation(panes.TE2);
        case VerseCopy::EnglishOnly:
            return explanation(panes.TE3);
    }
    return {};
}
