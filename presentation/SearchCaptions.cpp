#include "SearchCaptions.h"

using namespace Qt::StringLiterals;

const SearchCaptions& searchCaptions(UiLanguage language) {
    static const SearchCaptions arabic{
        u"بحث"_s,
        u"تجاهل أشكال الحروف والتشكيل"_s,
        u"البحث في الآيات"_s,
        u"البحث في التفسير العربي"_s,
        u"البحث في التفسير الكردي"_s,
        u"البحث في التفسير الإنجليزي"_s,
        u"الانتقال إلى آية…"_s,
        u"السورة (رقمها أو اسمها):"_s,
        u"الآية:"_s,
        u"انتقال"_s,
        u"إلغاء"_s,
        u"لا توجد سورة بهذا الاسم أو الرقم."_s,
        u"سورة %1 فيها %2 آية؛ عُرضت آخر آية منها."_s,
    };
    static const SearchCaptions english{
        u"Search"_s,
        u"Ignore letter forms and vowels"_s,
        u"Search the verses"_s,
        u"Search the Arabic explanation"_s,
        u"Search the Kurdish explanation"_s,
        u"Search the English explanation"_s,
        u"Go to Verse…"_s,
        u"Surah (number or name):"_s,
        u"Verse:"_s,
        u"Go"_s,
        u"Cancel"_s,
        u"No surah has that number or name."_s,
        u"%1 has %2 verses; its last verse is shown."_s,
    };
    static const SearchCaptions kurdish{
        u"گەڕان"_s,
        u"پشتگوێخستنی شێوەی پیت و بزوێن"_s,
        u"گەڕان لە ئایەتەکاندا"_s,
        u"گەڕان لە تەفسیری عەرەبیدا"_s,
        u"گەڕان لە تەفسیری کوردیدا"_s,
        u"گەڕان لە تەفسیری ئینگلیزیدا"_s,
        u"چوون بۆ ئایەت…"_s,
        u"سوورەت (ژمارە یان ناو):"_s,
        u"ئایەت:"_s,
        u"بڕۆ"_s,
        u"وازهێنان"_s,
        u"هیچ سوورەتێک بەو ژمارە یان ناوە نییە."_s,
        u"سوورەتی %1 %2 ئایەتی هەیە؛ دوا ئایەتی پیشان دراوە."_s,
    };
    switch (language) {
        case UiLanguage::Arabic:
            return arabic;
        case UiLanguage::Kurdish:
            return kurdish;
        case UiLanguage::English:
            break;
    }
    return english;
}
