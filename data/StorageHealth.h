#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

// When a settings store stores its held writes, and whether it can. A change is stored a quarter
// of a second after the first change of a run, so a run of changes costs one disk sync and none
// waits for one; later changes do not put that store off. It tells once when stores start
// failing and once when they work again, and meanwhile retries them every second, so that they
// are saved soon after the file is free again.
class StorageHealth : public QObject {
    Q_OBJECT

  public:
    explicit StorageHealth(std::function<void()> store, QObject* parent = nullptr);

    // Schedules a store, unless one is scheduled or the retry will do it.
    void storeSoon();
    bool hasStoreScheduled() const { return soon_.isActive(); }
    bool isFailing() const { return failing_; }
    // The outcome of an attempt to store the held writes.
    void report(bool stored, const QString& reason);

  signals:
    void storageFailed(const QString& reason);
    void storageRecovered();

  private:
    bool failing_ = false;
    QTimer soon_;
    QTimer retry_;
};
