#pragma once

#include <QString>

class StorageHealth;

// The per-user settings store: text values of application "Vediv 3Azez", section "Settings".
// An absent value reads as empty text. A write reaches the disk a quarter of a second after
// the last of a run of writes, or at the latest when save() runs before the program ends; a
// store that cannot be written keeps the values and retries them (see health()).
namespace SettingsStore {

inline const QString kSurahPositionKey = QStringLiteral("Quran1");
// "1" while the search ignores letter forms and vowels.
inline const QString kTolerantSearchKey = QStringLiteral("TolerantSearch");
// What the search box searches: empty for the verses, or Arabic, Kurdish or English.
inline const QString kSearchInKey = QStringLiteral("SearchIn");

QString read(const QString& key);
void write(const QString& key, const QString& value);
// Stores every written value now; false when the store cannot be written.
bool save();
// The store's file, as the user would look for it.
QString fileName();
// Tells when saves start failing and when they succeed again. Needs the application object.
StorageHealth& health();

}  // namespace SettingsStore
