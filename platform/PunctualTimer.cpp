#include "PunctualTimer.h"

#include <sys/timerfd.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <cstdint>

PunctualTimer::PunctualTimer(QObject* parent)
    : QTimer(parent), fd_(timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC)) {
    setTimerType(Qt::PreciseTimer);
    // Without a kernel timer this is an ordinary timer, late by the loop's rounding at most.
    if (fd_ < 0)
        return;
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &PunctualTimer::woken);
}

PunctualTimer::~PunctualTimer() {
    if (fd_ >= 0) {
        delete notifier_;
        close(fd_);
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
    const timespec period = ms > 0 ? timespec{ms / 1000, (ms % 1000) * 1000000L} : timespec{};
    const itimerspec schedule{period, period};  // a zero first expiry disarms it
    timerfd_settime(fd_, 0, &schedule, nullptr);
}

void PunctualTimer::woken() {
    std::uint64_t expirations = 0;
    [[maybe_unused]] const ssize_t bytes = read(fd_, &expirations, sizeof expirations);
    // A timer stopped without arm() would otherwise keep waking the loop.
    if (!isActive())
        setKernelTimer(0);
}
