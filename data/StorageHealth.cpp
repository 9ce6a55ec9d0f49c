#include "StorageHealth.h"

namespace {
constexpr int kRetryMs = 1000;
}  // namespace

StorageHealth::StorageHealth(std::function<void()> retry, QObject* parent) : QObject(parent) {
    retry_.setInterval(kRetryMs);
    connect(&retry_, &QTimer::timeout, this, std::move(retry));
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
