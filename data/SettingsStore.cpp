#include "SettingsStore.h"

#include <QCoreApplication>
#include <QMap>
#include <QSettings>
#include <QTimer>

namespace {

QSettings& store() {
    static QSettings settings(QSettings::UserScope, QStringLiteral("Vediv 3Azez"),
                              QStringLiteral("Vediv 3Azez"));
    return settings;
}

QString path(const QString& key) {
    return QStringLiteral("Settings/") + key;
}

// Written values not yet handed to the store: the store saves on its own as soon as it holds
// a change.
QMap<QString, QString>& unsaved() {
    static QMap<QString, QString> values;
    return values;
}

void save() {
    for (auto value = unsaved().cbegin(); value != unsaved().cend(); ++value)
        store().setValue(path(value.key()), value.value());
    unsaved().clear();
    store().sync();
}

// A save flushes to disk, which must not hold up the surah the reader just chose; one save
// also covers a reader stepping through the surah list. Saves go through a temporary file and
// a rename, so a kill never leaves half a file.
void saveSoon() {
    constexpr int kSaveDelayMs = 250;
    if (!QCoreApplication::instance()) {
        save();
        return;
    }
    static QTimer* timer = nullptr;
    if (!timer) {
        timer = new QTimer(QCoreApplication::instance());
        timer->setSingleShot(true);
        timer->setInterval(kSaveDelayMs);
        QObject::connect(timer, &QTimer::timeout, save);
        qAddPostRoutine([] {
            timer = nullptr;
            save();
        });
    }
    timer->start();
}

}  // namespace

namespace SettingsStore {

QString read(const QString& key) {
    if (auto value = unsaved().constFind(key); value != unsaved().cend())
        return *value;
    return store().value(path(key)).toString();
}

void write(const QString& key, const QString& value) {
    unsaved()[key] = value;
    saveSoon();
}

}  // namespace SettingsStore
