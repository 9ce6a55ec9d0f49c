#include "PunctualTimer.h"

#include <QSocketNotifier>
#include <cstdint>

#ifdef __linux__
#include <sys/timerfd.h>
#include <unistd.h>
#endif

// The kernel timer is Linux's timerfd. Elsewhere, or when none can be made, there is none (-1):
// the precise Qt timer alone serves, late by the loop's rounding at most.
namespace {

int createKernelTimer() {
#ifdef __linux__
    return timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
#else
    return -1;
#endif
}

void scheduleKernelTimer([[maybe_unused]] int fd, [[maybe_unused]] int ms) {
#ifdef __linux__
    const timespec period = ms > 0 ? timespec{ms / 1000, (ms % 1000) * 1000000L} : timespec{};
    const itimerspec schedule{period, period};  // a zero first expiry disarms it
    timerfd_settime(fd, 0, &schedule, nullptr);
#endif
}

void drainKernelTimer([[maybe_unused]] int fd) {
#ifdef __linux__
    std::uint64_t expirations = 0;
    [[maybe_unused]] const ssize_t bytes = read(fd, &expirations, sizeof expirations);
#endif
}

void closeKernelTimer([[maybe_unused]] int fd) {
#ifdef __linux__
    close(fd);
#endif
}

}  // namespace

PunctualTimer::PunctualTimer(QObject* parent) : QTimer(parent), fd_(createKernelTimer()) {
    setTimerType(Qt::PreciseTimer);
    if (fd_ < 0)
        return;
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &PunctualTimer::woken);
}

PunctualTimer::~PunctualTimer() {
    if (fd_ >= 0) {
        delete notifier_;
        closeKernelTimer(fd_);
    }
}

void PunctualTimer::arm(int ms) {
    if (ms > 0)
        start(ms);
    else
        stop();
    setKernelTimer(ms);
}

void PunctualTimer::setKernelTimer(int ms) {
    if (fd_ < 0)
        return;
    // Armed after the timer itself, it falls due a little later, so the loop it wakes finds the
    // timer due. It repeats as the timer does.
    scheduleKernelTimer(fd_, ms);
}

void PunctualTimer::woken() {
    drainKernelTimer(fd_);
    // A timer stopped without arm() would otherwise keep waking the loop.
    if (!isActive())
        setKernelTimer(0);
}
