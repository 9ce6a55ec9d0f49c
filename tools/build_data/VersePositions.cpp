#include "VersePositions.h"

namespace {

std::vector<VersePosition> makePositions() {
    std::vector<VersePosition> positions;
    positions.reserve(SurahCatalogue::kVerseCount);
    for (const Surah& surah : SurahCatalogue::instance().rows()) {
        for (int verse = 1; verse <= surah.verseCount; ++verse)
            positions.push_back({&surah, verse});
    }
    return positions;
}

}  // namespace

const std::vector<VersePosition>& versePositions() {
    static const std::vector<VersePosition> positions = makePositions();
    return positions;
}
