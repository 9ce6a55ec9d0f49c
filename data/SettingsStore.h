#pragma once

#include <QMap>
#include <QObject>
#include <QString>

#include "StorageHealth.h"

// The per-user settings store: text values of application "Vediv 3Azez", section "Settings".
// An absent value reads as empty text. A write reaches the disk soon (see StorageHealth), or
// at the latest when save() runs or the store is destroyed; a store that cannot be written
// keeps the values and retries them. Needs the application object.
class SettingsStore : public QObject {
  public:
    inline static const QString kSurahPositionKey = QStringLiteral("Quran1");
    // "1" while the search ignores letter forms and vowels.
    inline static const QString kTolerantSearchKey = QStringLiteral("TolerantSearch");
    // What the search box searches: empty for the verses, or Arabic, Kurdish or English.
    inline static const QString kSearchInKey = QStringLiteral("SearchIn");

    explicit SettingsStore(QObject* parent = nullptr);
    ~SettingsStore() override;

    QString read(const QString& key) const;
    void write(const QString& key, const QString& value);
    // Stores every written value now; false when the store cannot be written.
    bool save();
    // The store's file, as the user would look for it.
    static QString fileName();
    // Tells when saves start failing and when they succeed again.
    StorageHealth& health() { return health_; }

  private:
    // Written values not yet stored.
    QMap<QString, QString> unsaved_;
    StorageHealth health_{[this] { save(); }};
};
