#pragma once

#include <QString>

// The per-user settings store: text values of application "Vediv 3Azez", section "Settings".
// An absent value reads as empty text; a write reaches the disk a quarter of a second after
// the last of a run of writes, or at exit.
namespace SettingsStore {

inline const QString kSurahPositionKey = QStringLiteral("Quran1");
// "1" while the search ignores letter forms and vowels.
inline const QString kTolerantSearchKey = QStringLiteral("TolerantSearch");
// What the search box searches: empty for the verses, or Arabic, Kurdish or English.
inline const QString kSearchInKey = QStringLiteral("SearchIn");

QString read(const QString& key);
void write(const QString& key, const QString& value);

}  // namespace SettingsStore
