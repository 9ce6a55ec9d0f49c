#include "PaneTexts.h"

#include "VerseLists.h"

using namespace Qt::StringLiterals;

PaneTexts PaneTexts::forVerse(const VerseLists& lists, qint64 ordinal, const QString& reference,
                              const QString& surahName, const QString& verseNumber) {
    PaneTexts texts;
    texts.verse =
        u"( "_s + VerseLists::entry(lists.List1, ordinal) + u" ) "_s + reference + u"] \u0640"_s;
    texts.arabic = VerseLists::entry(lists.List3, ordinal) + u' ';
    texts.kurdish = VerseLists::entry(lists.List4, ordinal);
    texts.english = u'[' + VerseLists::entry(lists.List2, ordinal) + u"]  "_s + surahName +
                    u" ("_s + verseNumber + u')';
    return texts;
}
