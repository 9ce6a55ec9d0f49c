#include "Start1.h"

#include <QPainter>
#include <QScreen>

#include "SecondInstance.h"
#include "SplashPicture.h"
#include "StartupFailure.h"
#include "Twips.h"
#include "WindowSystemFlush.h"

using namespace Qt::StringLiterals;

namespace {

constexpr QSize kClientSize(twipsToPixels(4530), twipsToPixels(1185));
constexpr int kFadeStep = 17;  // 15 steps from 0 to 255
constexpr int kOpaque = 255;
constexpr int kFadeTickMs = 5;
constexpr int kLoadDelayMs = 1;
constexpr int kHandOverDelayMs = 1000;

}  // namespace

Start1::Start1(const QString& programFolder, const QString& instanceLockFile, HandOver handOver)
    : QWidget(nullptr, Qt::FramelessWindowHint),
      instanceLock_(instanceLockFile),
      programFolder_(programFolder),
      handOver_(std::move(handOver)) {
    setFixedSize(kClientSize);
    setWindowTitle(u"Zephyrane"_s);
    move(screen()->availableGeometry().center() - rect().center());
    connect(&Timer, &QTimer::timeout, this, &Start1::Timer_Timer);
    connect(&Timer3, &QTimer::timeout, this, &Start1::Timer3_Timer);
    connect(&Timer2, &QTimer::timeout, this, &Start1::Timer2_Timer);
    connect(&Timer1, &QTimer::timeout, this, &Start1::Timer1_Timer);

    if (!instanceLock_.tryLock())
        refuseSecondInstance();
    if (!instanceLock_.problem().isEmpty())
        warnUnguardedStart(instanceLock_.problem());
    Skin1.SkinWindow(this);
    setWindowOpacity(0.0);
    Timer.arm(kFadeTickMs);
    WindowsMediaPlayer1.play(u"Wave.Wav"_s);
}

void Start1::Timer_Timer() {
    setFadeLevel(fadeLevel() + kFadeStep);
    if (fadeLevel() == kOpaque) {
        Timer3.arm(kLoadDelayMs);
        Timer.arm(0);
    }
}

void Start1::Timer3_Timer() {
    if (const auto error = loadVerseLists(corpusPath(programFolder_), verseLists_)) {
        // The report may wait for the user; the load must not run again meanwhile.
        Timer3.arm(0);
        reportStartupFailure(error->message());
    }
    Timer2.arm(kFadeTickMs);
    Timer3.arm(0);
}

void Start1::Timer2_Timer() {
    setFadeLevel(fadeLevel() - kFadeStep);
    if (fadeLevel() == 0) {
        Timer2.arm(0);
        Timer1.arm(kHandOverDelayMs);
    }
}

void Start1::Timer1_Timer() {
    Timer1.arm(0);
    hide();
    handOver_(verseLists_);
}

void Start1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintSplashPicture(painter, rect());
}

void Start1::setFadeLevel(int level) {
    fadeLevel_ = level;
    setWindowOpacity(level / 255.0);
    // Each step is seen on its tick, not with the next batch of window changes.
    sendWindowChangesNow();
}
