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

// A name (empty: the caption names the control) and a description.
struct Spoken {
    const char16_t* name;
    const char16_t* description;
};

struct AccessibleRow {
    const char16_t* window;
    const char16_t* control;
    Spoken arabic;
    Spoken english;
    Spoken kurdish;
};

constexpr AccessibleRow kAccessibleRows[] = {
    {u"Quran1",
     u"Text",
     {u"كلمة البحث",
      u"اكتب كلمة من آية؛ تظهر الآيات المطابقة في القائمة أدناه، ويتنقل السهمان للأعلى وللأسفل "
      u"بين النتائج."},
     {u"Search word",
      u"Type a word of a verse; the matching verses are listed below, the Up and Down arrows "
      u"step through them."},
     {u"وشەی گەڕان",
      u"وشەیەک لە ئایەتێک بنووسە؛ ئایەتە گونجاوەکان لە لیستەکەی خوارەوە دەردەکەون و تیرەکانی "
      u"سەرەوە و خوارەوە لە نێوانیاندا دەگوازنەوە."}},
    {u"Quran1",
     u"Combo1",
     {u"السورة", u"اختر السورة المراد قراءتها أو اكتب اسمها؛ تظهر آياتها في القائمة أدناه."},
     {u"Surah", u"Choose or type the surah to read; its verses are listed below."},
     {u"سوورەت",
      u"ئەو سوورەتەی دەتەوێت بیخوێنیتەوە هەڵبژێرە یان ناوەکەی بنووسە؛ ئایەتەکانی لە لیستەکەی "
      u"خوارەوە دەردەکەون."}},
    {u"Quran1",
     u"Adad1",
     {u"عدد الآيات", u"عدد آيات السورة المختارة."},
     {u"Number of verses", u"How many verses the chosen surah has."},
     {u"ژمارەی ئایەتەکان", u"ژمارەی ئایەتەکانی سوورەتی هەڵبژێردراو."}},
    {u"Quran1",
     u"Text8",
     {u"آيات", u"وحدة العدد المجاور."},
     {u"Verses", u"The unit of the number beside it."},
     {u"ئایەت", u"یەکەی ژمارەکەی تەنیشتی."}},
    {u"Quran1",
     u"DBGrid1",
     {u"نتائج البحث", u"الآيات التي فيها كلمة البحث؛ تختار مفاتيح الأسهم آية تظهر في مربعات النص."},
     {u"Search results",
      u"The verses that hold the search word; the arrow keys choose the verse the panes show."},
     {u"ئەنجامەکانی گەڕان",
      u"ئەو ئایەتانەی وشەی گەڕانیان تێدایە؛ کلیلەکانی تیر ئەو ئایەتە هەڵدەبژێرن کە "
      u"چوارچێوەکانی دەق پیشانی دەدەن."}},
    {u"Quran1",
     u"DBGrid2",
     {u"آيات السورة", u"آيات السورة المختارة؛ تختار مفاتيح الأسهم آية تظهر في مربعات النص."},
     {u"Verses of the surah",
      u"The verses of the chosen surah; the arrow keys choose the verse the panes show."},
     {u"ئایەتەکانی سوورەت",
      u"ئایەتەکانی سوورەتی هەڵبژێردراو؛ کلیلەکانی تیر ئەو ئایەتە هەڵدەبژێرن کە چوارچێوەکانی "
      u"دەق پیشانی دەدەن."}},
    {u"Quran1",
     u"Text4",
     {u"الآية", u"الآية المختارة مع اسم سورتها ورقمها، للقراءة فقط."},
     {u"Verse", u"The chosen verse with its surah and number, to read only."},
     {u"ئایەت", u"ئایەتی هەڵبژێردراو لەگەڵ ناوی سوورەتەکەی و ژمارەکەی، تەنها بۆ خوێندنەوە."}},
    {u"Quran1",
     u"Te1",
     {u"التفسير العربي", u"التفسير الميسر للآية بالعربية، للقراءة فقط."},
     {u"Arabic explanation", u"The Miasar explanation of the verse in Arabic, to read only."},
     {u"تەفسیری عەرەبی", u"تەفسیری میەسسەری ئایەتەکە بە عەرەبی، تەنها بۆ خوێندنەوە."}},
    {u"Quran1",
     u"TE2",
     {u"التفسير الكردي", u"التفسير السهل للآية بالكردية، للقراءة فقط."},
     {u"Kurdish explanation", u"The Easy explanation of the verse in Kurdish, to read only."},
     {u"تەفسیری کوردی", u"تەفسیری ئاسانی ئایەتەکە بە کوردی، تەنها بۆ خوێندنەوە."}},
    {u"Quran1",
     u"TE3",
     {u"التفسير الإنجليزي", u"التفسير النبيل للآية بالإنجليزية، للقراءة فقط."},
     {u"English explanation", u"The Noble explanation of the verse in English, to read only."},
     {u"تەفسیری ئینگلیزی", u"تەفسیری چاکی ئایەتەکە بە ئینگلیزی، تەنها بۆ خوێندنەوە."}},
    {u"Quran1",
     u"Combo2",
     {u"خط الآية", u"خط مربع الآية."},
     {u"Verse font", u"The font of the verse pane."},
     {u"فۆنتی ئایەت", u"فۆنتی چوارچێوەی ئایەت."}},
    {u"Quran1",
     u"Combo6",
     {u"حجم خط الآية", u"حجم حروف مربع الآية."},
     {u"Verse font size", u"The letter size of the verse pane."},
     {u"قەبارەی فۆنتی ئایەت", u"قەبارەی پیتەکانی چوارچێوەی ئایەت."}},
    {u"Quran1",
     u"Check0",
     {u"", u"حروف عريضة في مربع الآية."},
     {u"", u"Bold letters in the verse pane."},
     {u"", u"پیتی ئەستوور لە چوارچێوەی ئایەت."}},
    {u"Quran1",
     u"Combo3",
     {u"خط التفسير العربي", u"خط مربع التفسير العربي."},
     {u"Arabic explanation font", u"The font of the Arabic explanation pane."},
     {u"فۆنتی تەفسیری عەرەبی", u"فۆنتی چوارچێوەی تەفسیری عەرەبی."}},
    {u"Quran1",
     u"Combo7",
     {u"حجم خط التفسير العربي", u"حجم حروف مربع التفسير العربي."},
     {u"Arabic explanation font size", u"The letter size of the Arabic explanation pane."},
     {u"قەبارەی فۆنتی تەفسیری عەرەبی", u"قەبارەی پیتەکانی چوارچێوەی تەفسیری عەرەبی."}},
    {u"Quran1",
     u"Check1",
     {u"", u"حروف عريضة في مربع التفسير العربي."},
     {u"", u"Bold letters in the Arabic explanation pane."},
     {u"", u"پیتی ئەستوور لە چوارچێوەی تەفسیری عەرەبی."}},
    {u"Quran1",
     u"Combo4",
     {u"خط التفسير الكردي", u"خط مربع التفسير الكردي."},
     {u"Kurdish explanation font", u"The font of the Kurdish explanation pane."},
     {u"فۆنتی تەفسیری کوردی", u"فۆنتی چوارچێوەی تەفسیری کوردی."}},
    {u"Quran1",
     u"Combo8",
     {u"حجم خط التفسير الكردي", u"حجم حروف مربع التفسير الكردي."},
     {u"Kurdish explanation font size", u"The letter size of the Kurdish explanation pane."},
     {u"قەبارەی فۆنتی تەفسیری کوردی", u"قەبارەی پیتەکانی چوارچێوەی تەفسیری کوردی."}},
    {u"Quran1",
     u"Check3",
     {u"", u"حروف عريضة في مربع التفسير الكردي."},
     {u"", u"Bold letters in the Kurdish explanation pane."},
     {u"", u"پیتی ئەستوور لە چوارچێوەی تەفسیری کوردی."}},
    {u"Quran1",
     u"Combo5",
     {u"خط التفسير الإنجليزي", u"خط مربع التفسير الإنجليزي."},
     {u"English explanation font", u"The font of the English explanation pane."},
     {u"فۆنتی تەفسیری ئینگلیزی", u"فۆنتی چوارچێوەی تەفسیری ئینگلیزی."}},
    {u"Quran1",
     u"Combo9",
     {u"حجم خط التفسير الإنجليزي", u"حجم حروف مربع التفسير الإنجليزي."},
     {u"English explanation font size", u"The letter size of the English explanation pane."},
     {u"قەبارەی فۆنتی تەفسیری ئینگلیزی", u"قەبارەی پیتەکانی چوارچێوەی تەفسیری ئینگلیزی."}},
    {u"Quran1",
     u"Check2",
     {u"", u"حروف عريضة في مربع التفسير الإنجليزي."},
     {u"", u"Bold letters in the English explanation pane."},
     {u"", u"پیتی ئەستوور لە چوارچێوەی تەفسیری ئینگلیزی."}},
    {u"Surat1",
     u"Combo1",
     {u"السورة الأولى", u"السورة التي يبدأ منها النسخ."},
     {u"First surah", u"The surah the copy begins with."},
     {u"یەکەم سوورەت", u"ئەو سوورەتەی لەبەرگرتنەوە لێیەوە دەست پێدەکات."}},
    {u"Surat1",
     u"Combo2",
     {u"الآية الأولى", u"الآية من السورة الأولى التي يبدأ منها النسخ."},
     {u"First verse", u"The verse of the first surah the copy begins with."},
     {u"یەکەم ئایەت", u"ئەو ئایەتەی یەکەم سوورەت کە لەبەرگرتنەوە لێیەوە دەست پێدەکات."}},
    {u"Surat1",
     u"Combo3",
     {u"السورة الأخيرة", u"السورة التي ينتهي بها النسخ."},
     {u"Last surah", u"The surah the copy ends with."},
     {u"دوایین سوورەت", u"ئەو سوورەتەی لەبەرگرتنەوە پێی کۆتایی دێت."}},
    {u"Surat1",
     u"Combo4",
     {u"الآية الأخيرة", u"الآية من السورة الأخيرة التي ينتهي بها النسخ."},
     {u"Last verse", u"The verse of the last surah the copy ends with."},
     {u"دوایین ئایەت", u"ئەو ئایەتەی دوایین سوورەت کە لەبەرگرتنەوە پێی کۆتایی دێت."}},
    {u"Surat1",
     u"Te1",
     {u"تقدم النسخ", u"ما نُسخ من الآيات المختارة، بالنسبة المئوية."},
     {u"Copy progress", u"How much of the chosen verses is copied, in percent."},
     {u"ڕەوتی لەبەرگرتنەوە", u"چەندی ئایەتە هەڵبژێردراوەکان لەبەرگیراونەتەوە، بە سەدی."}},
    {u"Surat1",
     u"Command2",
     {u"الآية السابقة", u"يعرض الآية السابقة في النافذة الرئيسية."},
     {u"Previous verse", u"Shows the verse before in the main window."},
     {u"ئایەتی پێشوو", u"ئایەتی پێشوو لە پەنجەرەی سەرەکیدا پیشان دەدات."}},
    {u"Surat1",
     u"Command3",
     {u"الآية التالية", u"يعرض الآية التالية في النافذة الرئيسية."},
     {u"Next verse", u"Shows the next verse in the main window."},
     {u"ئایەتی دواتر", u"ئایەتی دواتر لە پەنجەرەی سەرەکیدا پیشان دەدات."}},
};

// The column of `language` in a row of captions or of accessible texts.
template <typename LanguageRow>
const auto& textOf(const LanguageRow& row, UiLanguage language) {
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

std::vector<AccessibleText> accessibleTexts(UiLanguage language) {
    std::vector<AccessibleText> texts;
    for (const AccessibleRow& row : kAccessibleRows) {
        const Spoken& spoken = textOf(row, language);
        texts.push_back({QString::fromUtf16(row.window), QString::fromUtf16(row.control),
                         QString::fromUtf16(spoken.name), QString::fromUtf16(spoken.description)});
    }
    return texts;
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
