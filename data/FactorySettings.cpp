#include "FactorySettings.h"

#include "SqliteDatabase.h"

namespace FactorySettings {
namespace {

struct Setting {
    const char16_t* column;
    const char16_t* value;
};

// Fonts and sizes of the verse, Arabic, Kurdish and English panes, their bold flags, the
// language and the surah. The search word makes a first start show a verse, not empty panes.
constexpr Setting kRow[] = {
    {u"Kalima", u"بسم الله"}, {u"Aia", u"Traditional Arabic-Q"},
    {u"AiaNo", u"20"},        {u"Ara", u"Traditional Arabic"},
    {u"AraNo", u"14"},        {u"Kurd", u"Tahoma-Quvel"},
    {u"KurdNo", u"11"},       {u"Eng", u"Tahoma"},
    {u"EngNo", u"10"},        {u"NO1", u"1"},
    {u"NO2", u"1"},           {u"NO3", u"0"},
    {u"NO4", u"0"},           {u"Lang", u"English"},
    {u"Sura", u"0"},
};

QStringList every(const char16_t* Setting::*part) {
    QStringList texts;
    for (const Setting& setting : kRow)
        texts.append(QString::fromUtf16(setting.*part));
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
