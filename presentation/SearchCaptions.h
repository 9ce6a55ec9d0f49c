#pragma once

#include <QString>

#include "CaptionSets.h"

// The captions of the search additions: the Search menu and the go-to-verse window.
struct SearchCaptions {
    QString menu;
    QString tolerant;  // the item that turns tolerant matching on and off
    // What the search box searches: the verses, or the Arabic, Kurdish or English explanation.
    QString inVerses, inArabic, inKurdish, inEnglish;
    QString goToVerse;  // the menu item and the window's title
    QString surah;      // caption of the surah field
    QString verse;      // caption of the verse field
    QString go;
    QString cancel;
    QString unknownSurah;  // the surah field names no surah
    QString lastVerse;     // %1 the surah, %2 its verse count
};

const SearchCaptions& searchCaptions(UiLanguage language);
