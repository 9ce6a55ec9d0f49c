#pragma once

#include "../mainwindow/MainWindowFixture.h"
#include "SurahCatalogue.h"

// The pieces of a surah copy's text, taken straight from the shipped verse lists, from which
// each test spells out the text it expects.
namespace expected {

inline const QString kCrLf = QStringLiteral("\r\n");

inline qint64 ordinal(int surah, int verse) {
    qint64 before = 0;
    for (int s = 1; s < surah; ++s)
        before += SurahCatalogue::instance().rows()[size_t(s - 1)].verseCount;
    return before + verse;
}

inline QString at(const QStringList VerseLists::*list, qint64 ordinal) {
    return VerseLists::entry(MainWindowFixture::lists().*list, ordinal);
}

// The basmala line follows every header but Al-Fatiha's, whose first verse it is, and
// At-Tawba's, which has none.
inline QString header(int surah) {
    const QString basmala =
        surah == 1 || surah == 9 ? QString() : at(&VerseLists::List1, 1) + kCrLf;
    return QStringLiteral("( سورة ") + at(&VerseLists::List6, ordinal(surah, 1)) +
           QStringLiteral(" )") + kCrLf + basmala;
}

inline QString verse(qint64 ordinal) {
    return at(&VerseLists::List1, ordinal) + QStringLiteral(" [") +
           at(&VerseLists::List5, ordinal) + QStringLiteral("] ");
}

inline QString explained(const QStringList VerseLists::*list, qint64 ordinal) {
    return u'(' + at(list, ordinal) + QStringLiteral(") ");
}

inline QString arabic(qint64 o) {
    return explained(&VerseLists::List3, o);
}
inline QString kurdish(qint64 o) {
    return explained(&VerseLists::List4, o);
}
inline QString english(qint64 o) {
    return explained(&VerseLists::List2, o);
}

}  // namespace expected
