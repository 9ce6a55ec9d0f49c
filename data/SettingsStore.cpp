#include "SettingsStore.h"

#include <QCoreApplication>
#include <QMap>
#include <QSettings>
#include <QTimer>

#include "StorageHealth.h"

namespace {

const QString kApplication = QStringLiteral("Vediv 3Azez");

QString path(const QString& key) {
    return QStringLiteral("Settings/") + key;
}

// Written values not yet stored.
QMap<QString, QString>& unsaved() {
    static QMap<QString, QString> values;
    return values;
}

// The store object keeps the first error it met for good, so every save asks a new one.
QString storeValues(const QMap<QString, QString>& values) {
    QSettings settings(QSettings::UserScope, kApplication, kApplication);
    for (auto value = values.cbegin(); value != values.cend(); ++value)
        settings.setValue(path(value.key()), value.value());
    settings.sync();
    // A format error means the file read was garbage; the save wrote over it all the same.
    if (settings.status() == QSettings::AccessError)
        return QStringLiteral("%1 cannot be written").arg(settings.fileName());
    return {};
}

// What lives as long as the application object: the delayed save and the store's health.
struct Saver {
    QTimer delay;
    StorageHealth health{[] { SettingsStore::save(); }};
};

Saver* saver() {
    static Saver* instance = nullptr;
    if (!instance && QCoreApplication::instance()) {
        instance = new Saver;
        instance->delay.setSingleShot(true);
        QObject::connect(&instance->delay, &QTimer::timeout, [] { SettingsStore::save(); });
        qAddPostRoutine([] {
            SettingsStore::save();
            delete instance;
            instance = nullptr;
        });
    }
    return instance;
}

// A save flushes to disk, which must not hold up the surah the reader just chose; one save
// also covers a reader stepping through the surah list. Saves go through a temporary file and
// a rename, so a kill never leaves half a file.
void saveSoon() {
    constexpr int kSaveDelayMs = 250;
    Saver* delayed = saver();
    if (!delayed) {
        SettingsStore::save();
        return;
    }
    // While saves fail the retry covers new values too.
    if (!delayed->health.isFailing())
        delayed->delay.start(kSaveDelayMs);
}

}  // namespace

namespace SettingsStore {

QString read(const QString& key) {
    if (auto value = unsaved().constFind(key); value != unsaved().cend())
        return *value;
    return QSettings(QSettings::UserScope, kApplication, kApplication).value(path(key)).toString();
}

void write(const QString& key, const QString& value) {
    unsaved()[key] = value;
    saveSoon();
}

bool save() {
    if (unsaved().isEmpty())
        return true;
    const QString fault = storeValues(unsaved());
    if (fault.isEmpty())
        unsaved().clear();
    if (Saver* delayed = saver())
        delayed->health.report(fault.isEmpty(), fault);
    return fault.isEmpty();
}

QString fileName() {
    return QSettings(QSettings::UserScope, kApplication, kApplication).fileName();
}

StorageHealth& health() {
    return saver()->health;
}

}  // namespace SettingsStore
