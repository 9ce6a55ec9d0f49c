#pragma once

#include <QString>

struct VerseLists;

// The four texts shown for one verse: the verse with its reference, and the Arabic, Kurdish
// and English explanations. Built in one place for every display and copied unchanged.
struct PaneTexts {
    QString Text4;
    QString Te1;
    QString TE2;
    QString TE3;

    // `reference` follows the verse; `surahName` and `verseNumber` follow the English text.
    // An ordinal outside the corpus reads as empty entries.
    static PaneTexts forVerse(const VerseLists& lists, qint64 ordinal, const QString& reference,
                              const QString& surahName, const QString& verseNumber);
};
