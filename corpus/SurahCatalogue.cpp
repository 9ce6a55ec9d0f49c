#include "SurahCatalogue.h"

#include <algorithm>

namespace {

struct Row {
    const char16_t* arabicName;
    const char* transliteration;
    int verseCount;
};

// Standard Kufan verse counts of the Hafs reading; they sum to 6236.
constexpr Row kRows[SurahCatalogue::kSurahCount] = {
    {u"الفاتحة", "Al-Fatiha", 7},
    {u"البقرة", "Al-Baqarah", 286},
    {u"آل عمران", "Al-i-Imran", 200},
    {u"النساء", "An-Nisaa", 176},
    {u"المائدة", "Al-Maidah", 120},
    {u"الأنعام", "Al-Anam", 165},
    {u"الأعراف", "Al-Araf", 206},
    {u"الأنفال", "Al-Anfal", 75},
    {u"التوبة", "At-Touba", 129},
    {u"يونس", "Yunus", 109},
    {u"هود", "Hud", 123},
    {u"يوسف", "Yusuf", 111},
    {u"الرعد", "Ar-Rad", 43},
    {u"إبراهيم", "Ibrahim", 52},
    {u"الحجر", "Al-Hijr", 99},
    {u"النحل", "An-Nahl", 128},
    {u"الإسراء", "Al-Israa", 111},
    {u"الكهف", "Al-kahf", 110},
    {u"مريم", "Maryam", 98},
    {u"طه", "Ta-Ha", 135},
    {u"الأنبياء", "Al-Anbiyaa", 112},
    {u"الحج", "Al-Hajj", 78},
    {u"المؤمنون", "Al-Muminun", 118},
    {u"النور", "An-Nur", 64},
    {u"الفرقان", "Al-Furqan", 77},
    {u"الشعراء", "Ash-Shuaraa", 227},
    {u"النمل", "An-Naml", 93},
    {u"القصص", "Al-Qasas", 88},
    {u"العنكبوت", "Al-Ankabut", 69},
    {u"الروم", "Ar-Rum", 60},
    {u"لقمان", "Luqman", 34},
    {u"السجدة", "As-Sajda", 30},
    {u"الأحزاب", "Al-Ahzab", 73},
    {u"سبأ", "Saba", 54},
    {u"فاطر", "Fatir", 45},
    {u"يس", "Ya-Sin", 83},
    {u"الصافات", "As-Saffat", 182},
    {u"ص", "Sad", 88},
    {u"الزمر", "Az-Zumar", 75},
    {u"غافر", "Gafir", 85},
    {u"فصلت", "Fussilat", 54},
    {u"الشورى", "Ash-shura", 53},
    {u"الزخرف", "Az-Zukhruf", 89},
    {u"الدخان", "Ad-Dukhan", 59},
    {u"الجاثية", "Al-Jathiya", 37},
    {u"الأحقاف", "Al-Ahqaf", 35},
    {u"محمد", "Muhammad", 38},
    {u"الفتح", "Al-fat-h", 29},
    {u"الحجرات", "Al-Hujurat", 18},
    {u"ق", "Qaf", 45},
    {u"الذاريات", "Az-Zariyat", 60},
    {u"الطور", "At-Tur", 49},
    {u"النجم", "An-Najm", 62},
    {u"القمر", "Al-Qamar", 55},
    {u"الرحمن", "Ar-Rahman", 78},
    {u"الواقعة", "Al-Waqia", 96},
    {u"الحديد", "Al-Hadid", 29},
    {u"المجادلة", "Al-Mujadila", 22},
    {u"الحشر", "Al-Hashr", 24},
    {u"الممتحنة", "Al-Mumtahana", 13},
    {u"الصف", "As-Saff", 14},
    {u"الجمعة", "Al-Jumua", 11},
    {u"المنافقون", "Al-Munafiqun", 11},
    {u"التغابن", "At-Tagabun", 18},
    {u"الطلاق", "At-Talaq", 12},
    {u"التحريم", "At-Tahrim", 12},
    {u"الملك", "Al-Mulk", 30},
    {u"القلم", "Al-Qalam", 52},
    {u"الحاقة", "Al-Haqqa", 52},
    {u"المعارج", "Al-Maarij", 44},
    {u"نوح", "Nuh", 28},
    {u"الجن", "Al-Jinn", 28},
    {u"المزمل", "Al-Muzzammil", 20},
    {u"المدثر", "Al-Muddaththir", 56},
    {u"القيامة", "Al-Qiyamat", 40},
    {u"الإنسان", "Al-Insan", 31},
    {u"المرسلات", "Al-Mursalat", 50},
    {u"النبأ", "An-Nabaa", 40},
    {u"النازعات", "An-Naziat", 46},
    {u"عبس", "Abasa", 42},
    {u"التكوير", "At-Takwir", 29},
    {u"الإنفطار", "Al-Infitar", 19},
    {u"المطففين", "Al-Mutaffifeen", 36},
    {u"الإنشقاق", "Al-Inshiqaq", 25},
    {u"البروج", "Al-Buruj", 22},
    {u"الطارق", "At-Tariq", 17},
    {u"الأعلى", "Al-Ala", 19},
    {u"الغاشية", "Al-Gashiya", 26},
    {u"الفجر", "Al-Fajr", 30},
    {u"البلد", "Al-Balad", 20},
    {u"الشمس", "Ash-Shams", 15},
    {u"الليل", "Al-Lail", 21},
    {u"الضحى", "Ad-Dhuha", 11},
    {u"الشرح", "Al-Sharh", 8},
    {u"التين", "At-Tin", 8},
    {u"العلق", "Al-Alaq", 19},
    {u"القدر", "Al-Qadr", 5},
    {u"البينة", "Al-Baiyina", 8},
    {u"الزلزلة", "Al-Zalzalah", 8},
    {u"العاديات", "Al-Adiyat", 11},
    {u"القارعة", "Al-Qaria", 11},
    {u"التكاثر", "At-Takathur", 8},
    {u"العصر", "Al-Asr", 3},
    {u"الهمزة", "Al-Humaza", 9},
    {u"الفيل", "al-Fil", 5},
    {u"قريش", "Quraish", 4},
    {u"الماعون", "Al-Maun", 7},
    {u"الكوثر", "Al-Kauthar", 3},
    {u"الكافرون", "Al-Kafirun", 6},
    {u"النصر", "An-Nasr", 3},
    {u"المسد", "Al-Masad", 5},
    {u"الإخلاص", "Al-Ikhlas", 4},
    {u"الفلق", "Al-Falaq", 5},
    {u"الناس", "An-Nas", 6},
};

}  // namespace

SurahCatalogue::SurahCatalogue() {
    rows_.reserve(kSurahCount);
    firstOrdinals_.reserve(kSurahCount);
    int number = 1;
    qint64 firstOrdinal = 1;
    for (const Row& row : kRows) {
        firstOrdinals_.push_back(firstOrdinal);
        firstOrdinal += row.verseCount;
        Surah surah;
        surah.number = number++;
        surah.arabicName = QString::fromUtf16(row.arabicName);
        surah.transliteration = QString::fromLatin1(row.transliteration);
        surah.verseCount = row.verseCount;
        surah.itemText = surah.arabicName + QStringLiteral("     ") + surah.transliteration;
        rows_.push_back(std::move(surah));
    }
}

const SurahCatalogue& SurahCatalogue::instance() {
    static const SurahCatalogue catalogue;
    return catalogue;
}

QStringList SurahCatalogue::itemTexts() const {
    QStringList texts;
    texts.reserve(kSurahCount);
    for (const Surah& surah : rows_)
        texts.append(surah.itemText);
    return texts;
}

const Surah* SurahCatalogue::findByItemText(QStringView text) const {
    for (const Surah& surah : rows_) {
        if (surah.itemText == text)
            return &surah;
    }
    return nullptr;
}

const Surah* SurahCatalogue::findByArabicName(QStringView name) const {
    for (const Surah& surah : rows_) {
        if (surah.arabicName == name)
            return &surah;
    }
    return nullptr;
}

const Surah* SurahCatalogue::findByOrdinal(qint64 ordinal) const {
    if (ordinal < 1 || ordinal > kVerseCount)
        return nullptr;
    const auto after = std::upper_bound(firstOrdinals_.begin(), firstOrdinals_.end(), ordinal);
    return &rows_[size_t(after - firstOrdinals_.begin() - 1)];
}

namespace {

// Letters and digits only, without case: "Al-i-Imran" reads "aliimran".
QString plainLatin(QStringView text) {
    QString plain;
    for (QChar c : text) {
        if (c.isLetterOrNumber())
            plain.append(c.toCaseFolded());
    }
    return plain;
}

}  // namespace

const Surah* SurahCatalogue::findByReadersName(QStringView text) const {
    const QStringView wanted = text.trimmed();
    if (wanted.isEmpty())
        return nullptr;
    bool isNumber = false;
    const int number = wanted.toInt(&isNumber);
    if (isNumber)
        return number >= 1 && number <= kSurahCount ? &rows_[size_t(number - 1)] : nullptr;
    if (const Surah* surah = findByArabicName(wanted))
        return surah;
    const QString latin = plainLatin(wanted);
    for (const Surah& surah : rows_) {
        if (surah.arabicName.startsWith(wanted))
            return &surah;
        if (latin.isEmpty())
            continue;
        // "Al-i-Imran" is also found as "i-Imran" and "Imran".
        for (QStringView name = surah.transliteration;;) {
            if (plainLatin(name).startsWith(latin))
                return &surah;
            const qsizetype dash = name.indexOf(u'-');
            if (dash < 1 || dash > 3)
                break;
            name = name.mid(dash + 1);
        }
    }
    return nullptr;
}
