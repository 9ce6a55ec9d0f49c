#pragma once

#include <QByteArray>

// Wave.Wav, the start-up sound: a soft bell of two partials, 16-bit PCM mono, just over a
// second, faded in and out. Computed, so every build gives the same bytes.
QByteArray bellWaveFile();
