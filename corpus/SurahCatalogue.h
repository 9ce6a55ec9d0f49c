#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

// One surah of the fixed catalogue. `number` is 1..114 and equals its position + 1.
struct Surah {
    int number = 0;
    QString arabicName;
    QString transliteration;
    int verseCount = 0;
    // Arabic name, five blanks, transliteration: the text of every surah list entry.
    QString itemText;
};

// The 114 surahs in canonical order. Lookups compare whole strings exactly (no trimming,
// no case folding): several Arabic names are prefixes of others.
class SurahCatalogue {
  public:
    static const SurahCatalogue& instance();

    static constexpr int kSurahCount = 114;
    static constexpr int kVerseCount = 6236;

    const std::vector<Surah>& rows() const { return rows_; }
    QStringList itemTexts() const;
    const Surah* findByItemText(QStringView text) const;
    const Surah* findByArabicName(QStringView name) const;
    // The surah that holds the verse of this ordinal (1..6236); null outside the corpus.
    const Surah* findByOrdinal(qint64 ordinal) const;
    // The surah a reader names: its number, its Arabic name, or the beginning of its
    // transliteration (without case, with or without its article: "baq", "Al-Baq"); the
    // first in catalogue order wins. Blanks around the text are ignored.
    const Surah* findByReadersName(QStringView text) const;

  private:
    SurahCatalogue();
    std::vector<Surah> rows_;
    std::vector<qint64> firstOrdinals_;  // of each surah, in catalogue order
};
