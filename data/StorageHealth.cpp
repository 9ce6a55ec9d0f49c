#include "StorageHealth.h"

namespace {
constexpr int kSoonMs = 250;
constexpr int kRetryMs = 1000;
}  // namespace

StorageHealth::StorageHealth(std::function<void()> store, QObject* parent) : QObject(parent) {
    soon_.setSingleShot(true);
    soon_.setInterval(kSoonMs);
    retry_.setInterval(kRetryMs);
    connect(&soon_, &QTimer::timeout, this, [this, store] {
        if (!failing_)
            store();
    });
    connect(&retry_, &QTimer::timeout, this, std::move(store));
}

void StorageHealth::storeSoon() {
    if (!failing_ && !soon_.isActive())
        soon_.start();
}

void StorageHealth::report(bool stored, const QString& reason) {
    if (stored == !failing_)
        return;
    failing_ = !stored;
    if (failing_) {
        retry_.start();
        emit storageFailed(reason);
    } else {
        retry_.stop();
        emit storageRecovered();
    }
}
