#pragma once

#include <vector>

#include "SurahCatalogue.h"

// Where a verse ordinal falls: its surah and its number within the surah.
struct VersePosition {
    const Surah* surah = nullptr;
    int verseNumber = 0;
};

// All verses in canonical order (index = ordinal - 1), following the catalogue's counts.
const std::vector<VersePosition>& versePositions();
