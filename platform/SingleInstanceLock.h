#pragma once

#include <QLockFile>
#include <QString>

// Held for the whole run so that a second start of the program by the same user is refused.
class SingleInstanceLock {
  public:
    explicit SingleInstanceLock(const QString& path);

    // False while another live process holds the lock. A lock left by a process that has
    // died does not count.
    bool tryLock();

    // The per-user lock in the user's runtime folder.
    static QString defaultPath();

  private:
    QLockFile lock_;
};
