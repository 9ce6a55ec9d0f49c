#include "FactorySettings.h"

#include <vector>

#include "Schema.h"
#include "SqliteDatabase.h"

namespace FactorySettings {
namespace {

struct Setting {
    QString column;
    QString value;
};

// Fonts and sizes of the verse, Arabic, Kurdish and English panes, their bold flags, the
// language and the surah. The search word makes a first start show a verse, not empty panes.
const std::vector<Setting>& row() {
    using namespace schema;
    static const std::vector<Setting> settings = {
        {kSearchWord, QStringLiteral("بسم الله")},
        {kVerseFont, QStringLiteral("Traditional Arabic-Q")},
        {kVerseSize, QStringLiteral("20")},
        {kArabicFont, QStringLiteral("Traditional Arabic")},
        {kArabicSize, QStringLiteral("14")},
        {kKurdishFont, QStringLiteral("Tahoma-Quvel")},
        {kKurdishSize, QStringLiteral("11")},
        {kEnglishFont, QStringLiteral("Tahoma")},
        {kEnglishSize, QStringLiteral("10")},
        {kEnglishBold, QStringLiteral("1")},
        {kKurdishBold, QStringLiteral("1")},
        {kArabicBold, QStringLiteral("0")},
        {kVerseBold, QStringLiteral("0")},
        {kLanguage, QStringLiteral("English")},
        {kSurahPosition, QStringLiteral("0")},
    };
    return settings;
}

QStringList every(QString Setting::*part) {
    QStringList texts;
    for (const Setting& setting : row())
        texts.append(setting.*part);
    return texts;
}

}  // namespace

const QStringList& columns() {
    static const QStringList names = every(&Setting::column);
    return names;
}

const QStringList& values() {
    static const QStringList texts = every(&Setting::value);
    return texts;
}

QString value(QStringView column) {
    const qsizetype index = fieldIndex(columns(), column);
    return index < 0 ? QString() : values()[index];
}

}  // namespace FactorySettings
