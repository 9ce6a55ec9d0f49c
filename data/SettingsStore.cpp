#include "SettingsStore.h"

#include <QSettings>

namespace {

QSettings& store() {
    static QSettings settings(QSettings::UserScope, QStringLiteral("Vediv 3Azez"),
                              QStringLiteral("Vediv 3Azez"));
    return settings;
}

QString path(const QString& key) {
    return QStringLiteral("Settings/") + key;
}

}  // namespace

namespace SettingsStore {

QString read(const QString& key) {
    return store().value(path(key)).toString();
}

void write(const QString& key, const QString& value) {
    store().setValue(path(key), value);
    // QSettings saves through a temporary file and a rename, so a kill never leaves half a file.
    store().sync();
}

}  // namespace SettingsStore
