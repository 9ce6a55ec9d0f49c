#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "PunctualTimer.h"
#include "SingleInstanceLock.h"
#include "Skin.h"
#include "SoundPlayer.h"
#include "VerseLists.h"

// The splash window. It fades in, loads the verse corpus while fully opaque, fades out,
// waits a second and hands over to the main window. It is never destroyed before the
// program ends: it owns the verse lists every other window reads.
// `handOver` receives those lists once the splash has gone.
class Start1 : public QWidget {
    Q_OBJECT

  public:
    // The load: refuses to run beside another instance (the program then ends at once),
    // skins the window, makes it fully transparent, arms the fade-in and starts the sound.
    // The corpus is read from `programFolder`.
    using HandOver = std::function<void(const VerseLists&)>;
    Start1(const QString& programFolder, const QString& instanceLockFile, HandOver handOver);

    const VerseLists& verseLists() const { return verseLists_; }
    // The fade level, alpha 0..255.
    int fadeLevel() const { return fadeLevel_; }

    void Timer_Timer();   // one fade-in step
    void Timer3_Timer();  // the corpus load
    void Timer2_Timer();  // one fade-out step
    void Timer1_Timer();  // the hand-over

    PunctualTimer Timer;
    PunctualTimer Timer3;
    PunctualTimer Timer2;
    PunctualTimer Timer1;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void setFadeLevel(int level);

    SingleInstanceLock instanceLock_;
    QString programFolder_;
    HandOver handOver_;
    Skin Skin1{SkinKind::SettingsOnly};
    SoundPlayer WindowsMediaPlayer1;
    VerseLists verseLists_;
    int fadeLevel_ = 0;
};
