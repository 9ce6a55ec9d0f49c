#pragma once

#include <QList>
#include <QStringView>

// Where a search match stands in the verse text shown: the record's searched text runs from
// the matched word to the verse's end in the clean script, and the verse pane shows the full
// script, which adds vowels and marks (pause marks stand as words of their own) and in a few
// places splits or spells a word otherwise.
struct TextSpan {
    qsizetype start = 0;
    qsizetype length = 0;
};

// The spans of `verse` that hold the `words` words beginning `fromMatch`, aligned from the
// verse's end. Empty when nothing aligns.
QList<TextSpan> matchedWordSpans(QStringView verse, QStringView fromMatch, int words);
