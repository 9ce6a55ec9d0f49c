#include "MatchedWords.h"

#include <QString>
#include <algorithm>

#include "LetterFolding.h"

namespace {

// The verse's words with their places: runs between blanks that hold a letter.
QList<TextSpan> wordsOf(QStringView verse) {
    QList<TextSpan> words;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= verse.size(); ++i) {
        if (i < verse.size() && verse[i] != u' ')
            continue;
        const QStringView word = verse.mid(start, i - start);
        if (std::any_of(word.begin(), word.end(), [](QChar c) { return c.isLetter(); }))
            words.append({start, i - start});
        start = i + 1;
    }
    return words;
}

}  // namespace

QList<TextSpan> matchedWordSpans(QStringView verse, QStringView fromMatch, int words) {
    const QList<TextSpan> full = wordsOf(verse);
    const QList<QStringView> clean = fromMatch.split(u' ', Qt::SkipEmptyParts);
    const auto folded = [&](const TextSpan& word) {
        return foldLetterForms(verse.mid(word.start, word.length));
    };
    // The full words that stand for each clean word, matched from the end. A word spelled
    // otherwise is still taken as the same word.
    QList<std::pair<qsizetype, qsizetype>> standFor(clean.size(), {-1, -1});
    qsizetype f = full.size() - 1;
    for (qsizetype c = clean.size() - 1; c >= 0 && f >= 0; --c) {
        const QString cleanWord = foldLetterForms(clean[c]);
        if (f > 0 && folded(full[f]) != cleanWord &&
            folded(full[f - 1]) + folded(full[f]) == cleanWord) {
            standFor[c] = {f - 1, f};
            f -= 2;
        } else {
            standFor[c] = {f, f};
            --f;
        }
    }
    QList<TextSpan> spans;
    const qsizetype last = std::min<qsizetype>(words, clean.size()) - 1;
    if (last < 0 || standFor[0].first < 0)
        return spans;
    for (qsizetype w = standFor[0].first; w <= standFor[last].second; ++w)
        spans.append(full[w]);
    return spans;
}
