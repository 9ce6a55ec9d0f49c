#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

// Whether a settings store can be written. It tells once when writes start failing and once when
// they work again, and meanwhile retries the held writes every second, so that they are saved
// soon after the file is free again without any write waiting for it.
class StorageHealth : public QObject {
    Q_OBJECT

  public:
    explicit StorageHealth(std::function<void()> retry, QObject* parent = nullptr);

    bool isFailing() const { return failing_; }
    // The outcome of an attempt to store the held writes.
    void report(bool stored, const QString& reason);

  signals:
    void storageFailed(const QString& reason);
    void storageRecovered();

  private:
    bool failing_ = false;
    QTimer retry_;
};
