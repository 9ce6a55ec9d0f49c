#pragma once

#include <QString>

struct VerseLists;

// What the surah copy window asks of the main window's surah reading, and nothing more.
class SurahReader {
  public:
    virtual ~SurahReader() = default;

    // The verse lists every window reads.
    virtual const VerseLists& verseLists() const = 0;
    // Chooses the surah at `index` of the surah list, as the reader would.
    virtual void chooseSurah(int index) = 0;
    // Lists the verses of the surah named by its list text and shows the first; a text the
    // query cannot take keeps the verses listed.
    virtual void showSurahVerses(const QString& surahText) = 0;
    // Shows the verse before (a negative step) or after the one shown, within the surah.
    virtual void stepVerse(int step) = 0;
    // The corpus ordinal of the verse listed as current; 0 without one.
    virtual qint64 currentVerseOrdinal() const = 0;
    // The font the verse pane is set in.
    virtual QString verseFontName() const = 0;
};
