#include "SingleInstanceLock.h"

#include <QStandardPaths>

using namespace Qt::StringLiterals;

SingleInstanceLock::SingleInstanceLock(const QString& path) : path_(path), lock_(path) {
    // A running instance keeps its lock however long it runs; only a dead owner frees it.
    lock_.setStaleLockTime(0);
}

bool SingleInstanceLock::tryLock() {
    if (path_.isEmpty()) {
        problem_ = u"there is no runtime folder for the instance lock"_s;
        return true;
    }
    if (lock_.tryLock(0))
        return true;
    if (lock_.error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host;
        QString application;
        // QLockFile has already set aside the lock of a process that died.
        if (lock_.getLockInfo(&pid, &host, &application))
            return false;
        if (lock_.removeStaleLockFile() && lock_.tryLock(0))
            return true;
    }
    problem_ = lock_.error() == QLockFile::PermissionError
                   ? u"%1: the lock file cannot be made here (permission denied)"_s.arg(path_)
                   : u"%1: the lock file cannot be made or read"_s.arg(path_);
    return true;
}

QString SingleInstanceLock::defaultPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QString() : folder + u"/zephyrane.lock"_s;
}
