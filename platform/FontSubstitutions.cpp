#include "FontSubstitutions.h"

#include <QFont>

using namespace Qt::StringLiterals;

const std::vector<FontSubstitution>& fontSubstitutions() {
    static const QString amiriQuran = u"Amiri Quran"_s;
    static const QString amiri = u"Amiri"_s;
    static const QString naskh = u"Noto Naskh Arabic"_s;
    static const QString sansArabic = u"Noto Sans Arabic"_s;
    static const std::vector<FontSubstitution> table{
        // Quran text and Arabic names. The verse font also shows the Kurdish explanations in the
        // copy window, and Amiri Quran lacks the Kurdish letters; Noto Naskh carries both the
        // Quranic marks and every Sorani letter, and shapes a verse four times faster than Amiri.
        // The Arabic explanation, shaped anew for every verse shown, takes a third of the time
        // in Noto Naskh that it takes in Amiri.
        {u"Traditional Arabic-Q"_s, {naskh, amiriQuran}},
        {u"Traditional Arabic"_s, {naskh, amiri}},
        {u"Andalus"_s, {amiri, naskh}},
        // Kurdish names
        {u"Tahoma-Quvel"_s, {sansArabic, naskh}},
        {u"Tahoma-K"_s, {sansArabic, naskh}},
        {u"Quran Kurdish Tafseer"_s, {naskh, sansArabic}},
        // Latin names
        {u"Tahoma"_s, {u"DejaVu Sans"_s, sansArabic}},
        {u"Verdana"_s, {u"DejaVu Sans"_s, sansArabic}},
        {u"Arial"_s, {u"Liberation Sans"_s, sansArabic}},
        {u"Microsoft Sans Serif"_s, {u"Liberation Sans"_s, sansArabic}},
        {u"MS Sans Serif"_s, {u"Liberation Sans"_s, sansArabic}},
        {u"System"_s, {u"DejaVu Sans"_s, sansArabic}},
        {u"Times New Roman"_s, {u"Liberation Serif"_s, naskh}},
        {u"Courier New"_s, {u"Liberation Mono"_s, sansArabic}},
        {u"Courier"_s, {u"Liberation Mono"_s, sansArabic}},
        {u"Fixedsys"_s, {u"DejaVu Sans Mono"_s, sansArabic}},
    };
    return table;
}

void installFontSubstitutions() {
    for (const FontSubstitution& substitution : fontSubstitutions())
        QFont::insertSubstitutions(substitution.family, substitution.substitutes);
}
