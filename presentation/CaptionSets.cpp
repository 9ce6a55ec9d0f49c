#include "CaptionSets.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "WebSites.h"

using namespace Qt::StringLiterals;

namespace {

struct Row {
    const char16_t* window;
    const char16_t* control;
    const char16_t* arabic;
    const char16_t* english;
    const char16_t* kurdish;
};

// The captions of the three languages as the Lang menu applies them.
constexpr Row kRows[] = {
    {u"Quran1", u"Quran1", u"Zephyrane", u"Zephyrane", u"Zephyrane"},
    {u"Quran1", u"File", u"   <<  الملف >>   ", u"    <<  File >>   ",
     u"   <<  مه\u200Cله\u200Cف >>   "},
    {u"Quran1", u"Surat", u"نسخ السورة", u"Surat(s) Copy",
     u"كَرتنه\u200Cوه\u200Cى سوره\u200Cته\u200Cكان"},
    {u"Quran1", u"Copy", u"نسخ   ", u"Copy   ", u"وه\u200Cركَرتن   "},
    {u"Quran1", u"CopyA", u"نسخ الأية", u"A'ia Copy", u"كَرتنه\u200Cوه\u200Cى ئايه\u200Cت"},
    {u"Quran1", u"CopyAA", u"نسخ الأية +     تفسير العربي", u"A'ia Copy + Explanation Arabic",
     u"كَرتنه\u200Cوه\u200Cى ئايه\u200Cت +    ته\u200Cفسيرى عه\u200Cره\u200Cى"},
    {u"Quran1", u"CopyAE", u"نسخ الأية + تفسير الإنجليزي", u"A'ia Copy + Explanation English",
     u"كَرتنه\u200Cوه\u200Cى ئايه\u200Cت + ته\u200Cفسيرى ئينكَليزى"},
    {u"Quran1", u"CopyAK", u"نسخ الأية +   تفسير الكُـردي", u"A'ia Copy + Explanation Kurdish",
     u"كَرتنه\u200Cوه\u200Cى ئايه\u200Cت +    ته\u200Cفسيرى كوردى"},
    {u"Quran1", u"Reset1", u"إعادة", u"Reset", u"كَه\u200Cرانه\u200Cوه"},
    {u"Quran1", u"End1", u"النهاية ", u"End", u"كوتايى"},
    {u"Quran1", u"Lang", u"  <<  اللغة  >>  ", u"<<Language>>", u"   <<  زمان  >>   "},
    {u"Quran1", u"Help1", u"    <<المساعد>>   ", u"    << Help >>   ", u"    <<يارمه\u200Cتى>>   "},
    {u"Quran1", u"Command3", u"حول", u"About", u"ده\u200Cرباره"},
    {u"Quran1", u"Web3", u" زيارة ", u" Visitation ", u" سه\u200Cردانى "},
    {u"Quran1", u"Command1", u"البحث", u"Serch", u"گه\u200Cروكى"},
    {u"Quran1", u"Command2", u"القرآن الكريم", u"The Vire Vozov", u"قورئانى پيروز"},
    {u"Quran1", u"Command14", u"نسخ السورة", u"Surat(s) Copy",
     u"كَرتنه\u200Cوه\u200Cى سوره\u200Cته\u200Cكان"},
    {u"Quran1", u"Command4", u"نسخ الأية", u"A'ia Copy", u"كَرتنه\u200Cوه\u200Cى ئايه\u200Cت"},
    {u"Quran1", u"Command8", u"أية + جميع", u"A'ia + All", u"ئايه\u200Cت + هه\u200Cموو"},
    {u"Quran1", u"Command7", u"أية + عربي ", u"A'ia + Arabic ",
     u"ئايه\u200Cت + عه\u200Cره\u200Cبى "},
    {u"Quran1", u"Command6", u"أية + كُـردي", u"A'ia + Kurdish", u"ئايه\u200Cت + كوردى"},
    {u"Quran1", u"Command5", u"أية + إنجليزي", u"A'ia + English", u"ئايه\u200Cت + ئينكَليزى"},
    {u"Quran1", u"Command9", u"نسخ العربي ", u"Arabic Copy",
     u"كَرتنه\u200Cوه\u200Cى عه\u200Cره\u200Cبى "},
    {u"Quran1", u"Command10", u"نسخ الكُـردي", u"Kurdish Copy", u"كَرتنه\u200Cوه\u200Cى كوردى"},
    {u"Quran1", u"Command11", u"نسخ الإنجليزي", u"English Copy", u"كَرتنه\u200Cوه\u200Cى ئينكَليزى"},
    {u"Quran1", u"Check0", u"واضح", u"Bold", u"ئه\u200Cستور"},
    {u"Quran1", u"Check1", u"واضح", u"Bold", u"ئه\u200Cستور"},
    {u"Quran1", u"Check2", u"واضح", u"Bold", u"ئه\u200Cستور"},
    {u"Quran1", u"Check3", u"واضح", u"Bold", u"ئه\u200Cستور"},
    {u"Quran1", u"Frame1", u"  قائمة الايات  ", u"  A'ia Leg  ",
     u"  چوار چيوه\u200Cى ئايه\u200Cت  "},
    {u"Quran1", u"Frame2", u" موقع الكتابة ", u" Type Place ", u"  شوينى نووسين  "},
    {u"Quran1", u"Frame5", u" عــربي       التفسير الميسر",
     u"Arabic                The Miasar Explanation",
     u"عه\u200Cره\u200Cبى       ته\u200Cفسيرى ميه\u200Cسسه\u200Cر"},
    {u"Quran1", u"Frame4", u" كـُـردي       التفسير السهل",
     u"Kurdish                  The Easy Explanation",
     u" كوردى                 ته\u200Cفسيرى ئاسان"},
    {u"Quran1", u"Frame3", u" إنجليزي       التفسير النبيل\u200F",
     u"English     The Noble Qur'an Explanation", u"ئينكَليزى                  ته\u200Cفسيرى چاك"},
    {u"Quran1", u"DBGrid1", u"قائمة Zephyrane", u"Leg Zephyrane", u"كليشه\u200Cى Zephyrane"},
    {u"Quran1", u"DBGrid2", u"قائمة Zephyrane", u"Zephyrane", u"كليشه\u200Cى Zephyrane"},
    {u"Quran1", u"Text8", u"أيـــة", u"A'ia", u"ئايه\u200Cت"},
    {u"Quran1", u"Text6", u"عـــدد ", u"Number", u"ژمــاره"},
    {u"Surat1", u"Surat1", u"قائمة النسخ القران الكريم", u"Surat(s) Copy List",
     u"كليشه ى كَرتنه وه ى قورئانى بٍروز"},
    {u"Surat1", u"Frame1", u"النسخ السورة", u"Surat Copy",
     u"كَرتنه\u200Cوه\u200Cى سوره\u200Cته\u200Cكان"},
    {u"Surat1", u"Frame2", u"خيارات النسخ الأيات", u"A'ia Copy Options",
     u"هه\u200Cلبژاردنه\u200Cكانى كَرتنه\u200Cوه\u200Cى ئايه\u200Cته\u200Cكان"},
    {u"Surat1", u"Check11", u"سطر", u"Line", u"ديّـر"},
    {u"Surat1", u"Check12", u"تفسير عربي", u"Arabic Explanation", u"ته\u200Cفسيرى عه\u200Cربى"},
    {u"Surat1", u"Check13", u"تفسير كردي", u"Kurdish Explanation", u"ته\u200Cفسيرى كوردى"},
    {u"Surat1", u"Check14", u"تفسير إنجليزي", u"English Explanation", u"ته\u200Cفسيرى ئنكَليزى"},
    {u"Surat1", u"Check15", u"تحديد جميع", u"Select All", u"نيشانكردنى كَشتى"},
    {u"Surat1", u"La1", u" <:: مــن", u"For", u" <:: لــه"},
    {u"Surat1", u"La2", u" <:: إلــى", u"To", u" <:: تــا"},
    {u"Surat1", u"Command4", u"البدء النسخ", u"Start For Copy", u"ده\u200Cستپيبكه كَرتنه\u200Cوه"},
    {u"Surat1", u"Command5", u"وقف", u"Stop", u"وه\u200Cستان"},
    {u"Surat1", u"Command1", u"إلغاء", u"Cancel", u"وازهينان"},
};

struct VariantRow {
    UiLanguage language;
    CaptionVariant variant;
    const char16_t* window;
    const char16_t* control;
    const char16_t* text;
};

// Where the start-up step and the reset write other texts than the menu does.
constexpr VariantRow kVariantRows[] = {
    {UiLanguage::Arabic, CaptionVariant::StartUp, u"Quran1", u"Command14", u"نسخ سورة"},
    {UiLanguage::English, CaptionVariant::StartUp, u"Quran1", u"Command14", u"Surat Copy"},
    {UiLanguage::English, CaptionVariant::StartUp, u"Quran1", u"Command9", u"Copy Arabic "},
    {UiLanguage::English, CaptionVariant::StartUp, u"Quran1", u"Command10", u"Copy Kurdish"},
    {UiLanguage::English, CaptionVariant::StartUp, u"Quran1", u"Command11", u"Copy English"},
    {UiLanguage::Kurdish, CaptionVariant::StartUp, u"Quran1", u"Lang", u"  <<  زمان  >>  "},
    {UiLanguage::English, CaptionVariant::Reset, u"Quran1", u"Frame5",
     u"Arabic               The Miasar Explanation"},
    {UiLanguage::English, CaptionVariant::Reset, u"Quran1", u"Frame4",
     u"Kurdish                The Easy Explanation"},
    {UiLanguage::English, CaptionVariant::Reset, u"Quran1", u"Frame3",
     u"English        The Noble Qur'an Explanation"},
};

const char16_t* textOf(const Row& row, UiLanguage language) {
    switch (language) {
        case UiLanguage::Arabic:
            return row.arabic;
        case UiLanguage::English:
            return row.english;
        case UiLanguage::Kurdish:
            return row.kurdish;
    }
    return row.english;
}

const char16_t* variantText(UiLanguage language, CaptionVariant variant, const Row& caption) {
    const auto* found =
        std::find_if(std::begin(kVariantRows), std::end(kVariantRows), [&](const VariantRow& row) {
            return row.language == language && row.variant == variant &&
                   std::u16string_view(row.window) == caption.window &&
                   std::u16string_view(row.control) == caption.control;
        });
    return found == std::end(kVariantRows) ? nullptr : found->text;
}

}  // namespace

std::vector<Caption> captionSet(UiLanguage language, CaptionVariant variant) {
    std::vector<Caption> captions;
    for (const Row& row : kRows) {
        const char16_t* text = variantText(language, variant, row);
        captions.push_back({QString::fromUtf16(row.window), QString::fromUtf16(row.control),
                            QString::fromUtf16(text ? text : textOf(row, language))});
    }
    // The pages' captions are the same in every language.
    captions.push_back({u"Quran1"_s, u"Web1"_s, WebSites::caption(WebSites::kIslamicSiteHost)});
    captions.push_back({u"Quran1"_s, u"Web2"_s, WebSites::caption(WebSites::kProgramPageName)});
    return captions;
}

QString storedName(UiLanguage language) {
    switch (language) {
        case UiLanguage::Arabic:
            return u"عربي"_s;
        case UiLanguage::English:
            return u"English"_s;
        case UiLanguage::Kurdish:
            return u"كوردى"_s;
    }
    return {};
}

QString captionOf(const std::vector<Caption>& captions, const QString& window,
                  const QString& control) {
    for (const Caption& caption : captions) {
        if (caption.window == window && caption.control == control)
            return caption.text;
    }
    return {};
}

std::optional<UiLanguage> languageStoredAs(const QString& name) {
    for (UiLanguage language : {UiLanguage::English, UiLanguage::Arabic, UiLanguage::Kurdish}) {
        if (name == storedName(language))
            return language;
    }
    return std::nullopt;
}
