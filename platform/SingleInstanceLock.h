#pragma once

#include <QLockFile>
#include <QString>

// Held for the whole run so that a second start of the program by the same user is refused.
class SingleInstanceLock {
  public:
    explicit SingleInstanceLock(const QString& path);

    // False only while another live process holds the lock. A lock left by a process that has
    // died, or a lock file that names no process, does not count; a lock that cannot be made
    // at all (no runtime folder, one we may not write) lets the program run, and problem()
    // says why.
    bool tryLock();
    // Set when the lock could not be made: the path and the reason.
    const QString& problem() const { return problem_; }

    // The per-user lock in the user's runtime folder; empty when there is no runtime folder.
    static QString defaultPath();

  private:
    QString path_;
    QLockFile lock_;
    QString problem_;
};
