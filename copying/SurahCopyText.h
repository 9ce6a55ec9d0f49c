#pragma once

#include <QString>
#include <optional>
#include <utility>

struct VerseLists;

// What the surah copy window offers a copy step; every step reads them afresh.
struct SurahCopyChoices {
    qint64 fromIndex = 0;     // ordinal of the range's first verse
    QString fromVerse;        // text of the from-verse selector
    bool lineOption = false;  // every verse on a line of its own
    bool arabic = false;
    bool kurdish = false;
    bool english = false;
};

// The text of a range of verses, built one verse per step: a header for every surah that
// begins in the range, each verse with its bracketed number, the chosen explanations.
class SurahCopyText {
  public:
    explicit SurahCopyText(const VerseLists& lists) : lists_(lists) {}

    // Starts afresh from `choices` up to the ordinal `toIndex`; false for a reversed range,
    // which starts nothing.
    bool start(const SurahCopyChoices& choices, qint64 toIndex);

    struct Step {
        bool finished = false;           // the text is complete, ending in CR LF
        std::optional<qint64> progress;  // percent done; none for a range of one verse
    };
    // Adds the next verse of the range.
    Step step(const SurahCopyChoices& choices);

    const QString& text() const { return text_; }
    // Hands the text over; the builder keeps none of it.
    QString takeText() { return std::exchange(text_, QString()); }

  private:
    void appendVerse(qsizetype i, const SurahCopyChoices& choices);
    // Nothing before the first verse of a copy, a line break after it.
    QString gap() const;

    const VerseLists& lists_;
    QString text_;
    qint64 stepsDone_ = 0;
    qint64 stepsLeft_ = 0;
    qint64 stepsTotal_ = 0;
    bool firstStep_ = true;
};
