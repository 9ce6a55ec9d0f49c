#include "CaptionSets.h"

#include <algorithm>
#include <iterator>

#include "WebSites.h"

using namespace Qt::StringLiterals;

namespace {

struct Row {
    CaptionTarget target;
    const char16_t* arabic;
    const char16_t* english;
    const char16_t* kurdish;
};

// The captions of the three languages as the Lang menu applies them.
constexpr Row kRows[] = {
    {CaptionTarget::Quran1, u"Zephyrane", u"Zephyrane", u"Zephyrane"},
    {CaptionTarget::File, u"   <<  الملف >>   ", u"    <<  File >>   ",
     u"   <<  مه\u200Cله\u200Cف >>   "},
    {CaptionTarget::Surat, u"نسخ السورة", u"Surat(s) Copy",
     u"كَرتنه\u200Cوه\u200Cى سوره\u200Cته\u200Cكان"},
    {CaptionTarget::Copy, u"نسخ   ", u"Copy   ", u"وه\u200Cركَرتن   "},
    {CaptionTarget::CopyA, u"نسخ الأية", u"A'ia Copy", u"كَرتنه\u200Cوه\u200Cى ئايه\u200Cت"},
    {CaptionTarget::CopyAA, u"نسخ الأية +     تفسير العربي", u"A'ia Copy + Explanation Arabic",
     u"كَرتنه\u200Cوه\u200Cى ئايه\u200Cت +    ته\u200Cفسيرى عه\u200Cره\u200Cى"},
    {CaptionTarget::CopyAE, u"نسخ الأية + تفسير الإنجليزي", u"A'ia Copy + Explanation English",
     u"كَرتنه\u200Cوه\u200Cى ئايه\u200Cت + ته\u200Cفسيرى ئينكَليزى"},
    {CaptionTarget::CopyAK, u"نسخ الأية +   تفسير الكُـردي", u"A'ia Copy + Explanation Kurdish",
     u"كَرتنه\u200Cوه\u200Cى ئايه\u200Cت +    ته\u200Cفسيرى كوردى"},
    {CaptionTarget::Reset1, u"إعادة", u"Reset", u"كَه\u200Cرانه\u200Cوه"},
    {CaptionTarget::End1, u"النهاية ", u"End", u"كوتايى"},
    {CaptionTarget::Lang, u"  <<  اللغة  >>  ", u"<<Language>>", u"   <<  زمان  >>   "},
    {CaptionTarget::Help1, u"    <<المساعد>>   ", u"    << Help >>   ",
     u"    <<يارمه\u200Cتى>>   "},
    {CaptionTarget::Command3, u"حول", u"About", u"ده\u200Cرباره"},
    {CaptionTarget::Web3, u" زيارة ", u" Visitation ", u" سه\u200Cردانى "},
    {CaptionTarget::Command1, u"البحث", u"Serch", u"گه\u200Cروكى"},
    {CaptionTarget::Command2, u"القرآن الكريم", u"The Vire Vozov", u"قورئانى پيروز"},
    {CaptionTarget::Command14, u"نسخ السورة", u"Surat(s) Copy",
     u"كَرتنه\u200Cوه\u200Cى سوره\u200Cته\u200Cكان"},
    {CaptionTarget::Command4, u"نسخ الأية", u"A'ia Copy", u"كَرتنه\u200Cوه\u200Cى ئايه\u200Cت"},
    {CaptionTarget::Command8, u"أية + جميع", u"A'ia + All", u"ئايه\u200Cت + هه\u200Cموو"},
    {CaptionTarget::Command7, u"أية + عربي ", u"A'ia + Arabic ",
     u"ئايه\u200Cت + عه\u200Cره\u200Cبى "},
    {CaptionTarget::Command6, u"أية + كُـردي", u"A'ia + Kurdish", u"ئايه\u200Cت + كوردى"},
    {CaptionTarget::Command5, u"أية + إنجليزي", u"A'ia + English", u"ئايه\u200Cت + ئينكَليزى"},
    {CaptionTarget::Command9, u"نسخ العربي ", u"Arabic Copy",
     u"كَرتنه\u200Cوه\u200Cى عه\u200Cره\u200Cبى "},
    {CaptionTarget::Command10, u"نسخ الكُـردي", u"Kurdish Copy", u"كَرتنه\u200Cوه\u200Cى كوردى"},
    {CaptionTarget::Command11, u"نسخ الإنجليزي", u"English Copy", u"كَرتنه\u200Cوه\u200Cى ئينكَليزى"},
    {CaptionTarget::Check0, u"واضح", u"Bold", u"ئه\u200Cستور"},
    {CaptionTarget::Check1, u"واضح", u"Bold", u"ئه\u200Cستور"},
    {CaptionTarget::Check2, u"واضح", u"Bold", u"ئه\u200Cستور"},
    {CaptionTarget::Check3, u"واضح", u"Bold", u"ئه\u200Cستور"},
    {CaptionTarget::Frame1, u"  قائمة الايات  ", u"  A'ia Leg  ",
     u"  چوار چيوه\u200Cى ئايه\u200Cت  "},
    {CaptionTarget::Frame2, u" موقع الكتابة ", u" Type Place ", u"  شوينى نووسين  "},
    {CaptionTarget::Frame5, u" عــربي       التفسير الميسر",
     u"Arabic                The Miasar Explanation",
     u"عه\u200Cره\u200Cبى       ته\u200Cفسيرى ميه\u200Cسسه\u200Cر"},
    {CaptionTarget::Frame4, u" كـُـردي       التفسير السهل",
     u"Kurdish                  The Easy Explanation",
     u" كوردى                 ته\u200Cفسيرى ئاسان"},
    {CaptionTarget::Frame3, u" إنجليزي       التفسير النبيل\u200F",
     u"English     The Noble Qur'an Explanation", u"ئينكَليزى                  ته\u200Cفسيرى چاك"},
    {CaptionTarget::DBGrid1, u"قائمة Zephyrane", u"Leg Zephyrane", u"كليشه\u200Cى Zephyrane"},
    {CaptionTarget::DBGrid2, u"قائمة Zephyrane", u"Zephyrane", u"كليشه\u200Cى Zephyrane"},
    {CaptionTarget::Text8, u"أيـــة", u"A'ia", u"ئايه\u200Cت"},
    {CaptionTarget::Text6, u"عـــدد ", u"Number", u"ژمــاره"},
    {CaptionTarget::Surat1, u"قائمة النسخ القران الكريم", u"Surat(s) Copy List",
     u"كليشه ى كَرتنه وه ى قورئانى بٍروز"},
    {CaptionTarget::Surat1Frame1, u"النسخ السورة", u"Surat Copy",
     u"كَرتنه\u200Cوه\u200Cى سوره\u200Cته\u200Cكان"},
    {CaptionTarget::Surat1Frame2, u"خيارات النسخ الأيات", u"A'ia Copy Options",
     u"هه\u200Cلبژاردنه\u200Cكانى كَرتنه\u200Cوه\u200Cى ئايه\u200Cته\u200Cكان"},
    {CaptionTarget::Surat1Check11, u"سطر", u"Line", u"ديّـر"},
    {CaptionTarget::Surat1Check12, u"تفسير عربي", u"Arabic Explanation",
     u"ته\u200Cفسيرى عه\u200Cربى"},
    {CaptionTarget::Surat1Check13, u"تفسير كردي", u"Kurdish Explanation", u"ته\u200Cفسيرى كوردى"},
    {CaptionTarget::Surat1Check14, u"تفسير إنجليزي", u"English Explanation",
     u"ته\u200Cفسيرى ئنكَليزى"},
    {CaptionTarget::Surat1Check15, u"تحديد جميع", u"Select All", u"نيشانكردنى كَشتى"},
    {CaptionTarget::Surat1La1, u" <:: مــن", u"For", u" <:: لــه"},
    {CaptionTarget::Surat1La2, u" <:: إلــى", u"To", u" <:: تــا"},
    {CaptionTarget::Surat1Command4, u"البدء النسخ", u"Start For Copy",
     u"ده\u200Cستپيبكه كَرتنه\u200Cوه"},
    {CaptionTarget::Surat1Command5, u"وقف", u"Stop", u"وه\u200Cستان"},
    {CaptionTarget::Surat1Command1, u"إلغاء", u"Cancel", u"وازهينان"},
};

struct VariantRow {
    UiLanguage language;
    CaptionVariant variant;
    CaptionTarget target;
    const char16_t* text;
};

// Where the start-up step and the reset write other texts than the menu does.
constexpr VariantRow kVariantRows[] = {
    {UiLanguage::Arabic, CaptionVariant::StartUp, CaptionTarget::Command14, u"نسخ سورة"},
    {UiLanguage::English, CaptionVariant::StartUp, CaptionTarget::Command14, u"Surat Copy"},
    {UiLanguage::English, CaptionVariant::StartUp, CaptionTarget::Command9, u"Copy Arabic "},
    {UiLanguage::English, CaptionVariant::StartUp, CaptionTarget::Command10, u"Copy Kurdish"},
    {UiLanguage::English, CaptionVariant::StartUp, CaptionTarget::Command11, u"Copy English"},
    {UiLanguage::Kurdish, CaptionVariant::StartUp, CaptionTarget::Lang, u"  <<  زمان  >>  "},
    {UiLanguage::English, CaptionVariant::Reset, CaptionTarget::Frame5,
     u"Arabic               The Miasar Explanation"},
    {UiLanguage::English, CaptionVariant::Reset, CaptionTarget::Frame4,
     u"Kurdish                The Easy Explanation"},
    {UiLanguage::English, CaptionVariant::Reset, CaptionTarget::Frame3,
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

const char16_t* variantText(UiLanguage language, CaptionVariant variant, CaptionTarget target) {
    const auto* found =
        std::find_if(std::begin(kVariantRows), std::end(kVariantRows), [&](const VariantRow& row) {
            return row.language == language && row.variant == variant && row.target == target;
        });
    return found == std::end(kVariantRows) ? nullptr : found->text;
}

}  // namespace

std::vector<Caption> captionSet(UiLanguage language, CaptionVariant variant) {
    std::vector<Caption> captions;
    for (const Row& row : kRows) {
        const char16_t* text = variantText(language, variant, row.target);
        captions.push_back({row.target, QString::fromUtf16(text ? text : textOf(row, language))});
    }
    // The pages' captions are the same in every language.
    captions.push_back({CaptionTarget::Web1, WebSites::caption(WebSites::kIslamicSiteHost)});
    captions.push_back({CaptionTarget::Web2, WebSites::caption(WebSites::kProgramPageName)});
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

std::optional<UiLanguage> languageStoredAs(const QString& name) {
    for (UiLanguage language : {UiLanguage::English, UiLanguage::Arabic, UiLanguage::Kurdish}) {
        if (name == storedName(language))
            return language;
    }
    return std::nullopt;
}
