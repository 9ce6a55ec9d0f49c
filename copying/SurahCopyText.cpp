#include "SurahCopyText.h"

#include <cmath>

#include "DecimalText.h"
#include "SurahCatalogue.h"
#include "VerseLists.h"

using namespace Qt::StringLiterals;

namespace {
const QString kLineBreak = u"\r\n"_s;
constexpr int kFatiha = 1;
constexpr int kTawba = 9;
}  // namespace

QString SurahCopyText::gap() const {
    return firstStep_ ? QString() : kLineBreak;
}

bool SurahCopyText::start(const SurahCopyChoices& choices, qint64 toIndex) {
    firstStep_ = true;
    stepsDone_ = 0;
    text_.clear();
    if (choices.fromVerse == u"1"_s && choices.lineOption)
        text_ = u" "_s;
    stepsLeft_ = toIndex - choices.fromIndex;
    stepsTotal_ = stepsLeft_;
    return stepsLeft_ > -1;
}

SurahCopyText::Step SurahCopyText::step(const SurahCopyChoices& choices) {
    const qint64 i = choices.fromIndex - 1 + stepsDone_;
    // A verse outside the corpus has no entries: every statement that reads one is skipped.
    if (i >= 0 && i < lists_.List1.size())
        appendVerse(qsizetype(i), choices);
    Step result;
    result.finished = stepsLeft_ == 0;
    if (result.finished)
        text_ += kLineBreak;
    if (stepsTotal_ != 0) {
        // nearbyint's default mode rounds halves to the even neighbour.
        result.progress =
            qint64(std::nearbyint(double(stepsDone_) / (double(stepsTotal_) / 100.0)));
    }
    --stepsLeft_;
    ++stepsDone_;
    firstStep_ = false;
    return result;
}

void SurahCopyText::appendVerse(qsizetype i, const SurahCopyChoices& choices) {
    const QString& number = lists_.List5[i];
    if (number == u"1"_s) {
        text_ += gap();
        text_ += gap();
        text_ += u"( سورة "_s;
        text_ += lists_.List6[i];
        text_ += u" )"_s;
        text_ += kLineBreak;
        // The basmala line opens every surah but At-Tawba, which has none; Al-Fatiha's first
        // verse is the basmala, so its own line stands for it.
        const Surah* surah = SurahCatalogue::instance().findByOrdinal(i + 1);
        const int surahNumber = surah ? surah->number : 0;
        if (surahNumber != kFatiha && surahNumber != kTawba) {
            text_ += lists_.List1[0];
            text_ += kLineBreak;
        }
    }
    if (choices.lineOption && !firstStep_ && DecimalText::leadingDigits(number) != 1)
        text_ += gap();
    text_ += lists_.List1[i];
    text_ += u" ["_s;
    text_ += number;
    text_ += u"] "_s;
    const std::pair<bool, const QStringList*> explanations[] = {{choices.arabic, &lists_.List3},
                                                                {choices.kurdish, &lists_.List4},
                                                                {choices.english, &lists_.List2}};
    for (const auto& [chosen, list] : explanations) {
        if (chosen) {
            text_ += u'(';
            text_ += (*list)[i];
            text_ += u") "_s;
        }
    }
}
