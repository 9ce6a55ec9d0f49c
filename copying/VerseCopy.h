#pragma once

#include <QString>

struct PaneTexts;

// What each copy command takes from the four panes.
enum class VerseCopy {
    Verse,         // Command4, CopyA
    VerseArabic,   // Command7, CopyAA
    VerseKurdish,  // Command6, CopyAK
    VerseEnglish,  // Command5, CopyAE
    VerseAll,      // Command8
    ArabicOnly,    // Command9
    KurdishOnly,   // Command10
    EnglishOnly,   // Command11
};

// The panes' texts joined for `command`, unchanged, each explanation as " (" text ") ".
QString verseCopyText(VerseCopy command, const PaneTexts& panes);
