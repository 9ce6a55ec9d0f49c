#pragma once

#include <QTimer>

class QSocketNotifier;

// A timer that fires when it falls due. The event loop sleeps for whole milliseconds, rounded
// up from the moment it goes to sleep: a 1 ms timer armed before half a millisecond of painting
// fired a whole millisecond after the painting. A kernel timer armed alongside (on Linux) wakes
// the loop when this one falls due.
class PunctualTimer : public QTimer {
  public:
    explicit PunctualTimer(QObject* parent = nullptr);
    ~PunctualTimer() override;

    // Starts the timer with an interval of `ms`, or stops it for 0.
    void arm(int ms);

  private:
    void setKernelTimer(int ms);
    void woken();

    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};
