#pragma once

#include <QString>

struct VerseLists;

// The four texts shown for one verse: the verse with its reference, and the Arabic, Kurdish
// and English explanations. Built in one place for every display and copied unchanged.
struct PaneTexts {
    QString verse;
    QString arabic;
    QString kurdish;
    QString english;

    // `reference` follows the verse; `surahName` and `verseNumber` follow the English text.
    // An ordinal outside the corpus reads as empty entries.
    static PaneTexts forVerse(const VerseLists& lists, qint64 ordinal, const QString& reference,
                              const QString& surahName, const QString& verseNumber);
};
