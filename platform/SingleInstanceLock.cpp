#include "SingleInstanceLock.h"

#include <QStandardPaths>

using namespace Qt::StringLiterals;

SingleInstanceLock::SingleInstanceLock(const QString& path) : lock_(path) {
    // A running instance keeps its lock however long it runs; only a dead owner frees it.
    lock_.setStaleLockTime(0);
}

bool SingleInstanceLock::tryLock() {
    return lock_.tryLock(0);
}

QString SingleInstanceLock::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + u"/zephyrane.lock"_s;
}
