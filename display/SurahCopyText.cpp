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

QString SurahCopyText::Gap() const {
    return FirstStep ? QString() : kLineBreak;
}

bool SurahCopyText::start(const SurahCopyChoices& choices, qint64 toIndex) {
    FirstStep = true;
    StepsDone = 0;
    CopyText.clear();
    if (choices.fromVerse == u"1"_s && choices.lineOption)
        CopyText = u" "_s;
    StepsLeft = toIndex - choices.fromIndex;
    StepsTotal = StepsLeft;
    return StepsLeft > -1;
}

SurahCopyText::Step SurahCopyText::step(const SurahCopyChoices& choices) {
    const qint64 i = choices.fromIndex - 1 + StepsDone;
    // A verse outside the corpus has no entries: every statement that reads one is skipped.
    if (i >= 0 && i < lists_.List1.size())
        appendVerse(qsizetype(i), choices);
    Step result;
    result.finished = StepsLeft == 0;
    if (result.finished)
        CopyText += kLineBreak;
    if (StepsTotal != 0) {
        // nearbyint's default mode rounds halves to the even neighbour.
        result.progress = qint64(std::nearbyint(double(StepsDone) / (double(StepsTotal) / 100.0)));
    }
    --StepsLeft;
    ++StepsDone;
    FirstStep = false;
    return result;
}

void SurahCopyText::appendVerse(qsizetype i, const SurahCopyChoices& choices) {
    const QString& number = lists_.List5[i];
    if (number == u"1"_s) {
        CopyText += Gap();
        CopyText += Gap();
        CopyText += u"( سورة "_s;
        CopyText += lists_.List6[i];
        CopyText += u" )"_s;
        CopyText += kLineBreak;
        // The basmala line opens every surah but At-Tawba, which has none; Al-Fatiha's first
        // verse is the basmala, so its own line stands for it.
        const Surah* surah = SurahCatalogue::instance().findByOrdinal(i + 1);
        const int surahNumber = surah ? surah->number : 0;
        if (surahNumber != kFatiha && surahNumber != kTawba) {
            CopyText += lists_.List1[0];
            CopyText += kLineBreak;
        }
    }
    if (choices.lineOption && !FirstStep && DecimalText::leadingDigits(number) != 1)
        CopyText += Gap();
    CopyText += lists_.List1[i];
    CopyText += u" ["_s;
    CopyText += number;
    CopyText += u"] "_s;
    const std::pair<bool, const QStringList*> explanations[] = {{choices.arabic, &lists_.List3},
                                                                {choices.kurdish, &lists_.List4},
                                                                {choices.english, &lists_.List2}};
    for (const auto& [chosen, list] : explanations) {
        if (chosen) {
            CopyText += u'(';
            CopyText += (*list)[i];
            CopyText += u") "_s;
        }
    }
}
