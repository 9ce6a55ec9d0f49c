#pragma once

#include <QString>
#include <memory>

class QSoundEffect;

// Plays a short sound without holding anything up and without ever reporting a problem:
// a missing file, a file that is not a sound or a machine without audio plays nothing.
class SoundPlayer {
  public:
    SoundPlayer();
    ~SoundPlayer();

    // Starts `fileName` (relative to the working directory) once at half volume and returns.
    void play(const QString& fileName);

  private:
    std::unique_ptr<QSoundEffect> effect_;
};
