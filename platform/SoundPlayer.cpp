#include "SoundPlayer.h"

#include <QAudioDevice>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {

// QSoundEffect plays RIFF WAVE files only and complains about anything else.
bool isWaveFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(12);
    return header.size() == 12 && header.startsWith("RIFF") && header.sliced(8) == "WAVE";
}

// The audio back end warns when it finds no sound server; for an optional sound that is
// noise, so its set-up runs with the default category's warnings off.
class QuietWarnings {
  public:
    QuietWarnings() : wasEnabled_(category()->isWarningEnabled()) {
        category()->setEnabled(QtWarningMsg, false);
    }
    ~QuietWarnings() { category()->setEnabled(QtWarningMsg, wasEnabled_); }
    QuietWarnings(const QuietWarnings&) = delete;
    QuietWarnings& operator=(const QuietWarnings&) = delete;

  private:
    static QLoggingCategory* category() { return QLoggingCategory::defaultCategory(); }
    bool wasEnabled_;
};

}  // namespace

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(const QString& fileName) {
    if (!isWaveFile(fileName))
        return;
    const QuietWarnings quiet;
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()));
    effect_->setVolume(0.5f);
    effect_->setLoopCount(1);
    effect_->play();
}
