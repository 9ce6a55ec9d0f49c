#include "SettingsStore.h"

#include <QSettings>

namespace {

const QString kApplication = QStringLiteral("Vediv 3Azez");

QString path(const QString& key) {
    return QStringLiteral("Settings/") + key;
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

}  // namespace

SettingsStore::SettingsStore(QObject* parent) : QObject(parent) {}

SettingsStore::~SettingsStore() {
    save();
}

QString SettingsStore::read(const QString& key) const {
    if (auto value = unsaved_.constFind(key); value != unsaved_.cend())
        return *value;
    return QSettings(QSettings::UserScope, kApplication, kApplication).value(path(key)).toString();
}

void SettingsStore::write(const QString& key, const QString& value) {
    unsaved_[key] = value;
    // A save flushes to disk, which must not hold up the surah the reader just chose; one save
    // also covers a reader stepping through the surah list. Saves go through a temporary file
    // and a rename, so a kill never leaves half a file.
    health_.storeSoon();
}

bool SettingsStore::save() {
    if (unsaved_.isEmpty())
        return true;
    const QString fault = storeValues(unsaved_);
    if (fault.isEmpty())
        unsaved_.clear();
    health_.report(fault.isEmpty(), fault);
    return fault.isEmpty();
}

QString SettingsStore::fileName() {
    return QSettings(QSettings::UserScope, kApplication, kApplication).fileName();
}
