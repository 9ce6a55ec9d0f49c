#include "WaveSound.h"

#include <QtEndian>
#include <cmath>
#include <numbers>

namespace {

constexpr int kSampleRate = 22050;
constexpr double kSeconds = 1.4;
constexpr double kFadeInSeconds = 0.02;
constexpr double kFadeOutSeconds = 0.3;
constexpr double kPeak = 0.35;  // of full scale: gentle

struct Partial {
    double frequency;
    double amplitude;
    double decayPerSecond;
};

// E5 and its octave; the upper partial dies away first, as in a small bell.
constexpr Partial kPartials[] = {{659.25, 0.75, 2.5}, {1318.5, 0.25, 5.0}};

double sampleAt(double t) {
    double value = 0;
    for (const Partial& p : kPartials)
        value += p.amplitude * std::exp(-p.decayPerSecond * t) *
                 std::sin(2 * std::numbers::pi * p.frequency * t);
    const double fadeIn = std::min(1.0, t / kFadeInSeconds);
    const double fadeOut = std::min(1.0, (kSeconds - t) / kFadeOutSeconds);
    return kPeak * value * fadeIn * fadeOut;
}

template <typename T>
void append(QByteArray& bytes, T value) {
    char little[sizeof(T)];
    qToLittleEndian(value, little);
    bytes.append(little, sizeof(T));
}

}  // namespace

QByteArray bellWaveFile() {
    const auto sampleCount = static_cast<quint32>(kSampleRate * kSeconds);
    const quint32 dataBytes = sampleCount * 2;
    QByteArray wave;
    wave.reserve(qsizetype(44 + dataBytes));
    wave.append("RIFF");
    append<quint32>(wave, 36 + dataBytes);
    wave.append("WAVEfmt ");
    append<quint32>(wave, 16);               // format chunk size
    append<quint16>(wave, 1);                // PCM
    append<quint16>(wave, 1);                // mono
    append<quint32>(wave, kSampleRate);      // samples per second
    append<quint32>(wave, kSampleRate * 2);  // bytes per second
    append<quint16>(wave, 2);                // bytes per sample frame
    append<quint16>(wave, 16);               // bits per sample
    wave.append("data");
    append<quint32>(wave, dataBytes);
    for (quint32 i = 0; i < sampleCount; ++i) {
        const double value = sampleAt(double(i) / kSampleRate);
        append<qint16>(wave, static_cast<qint16>(std::lround(value * 32767)));
    }
    return wave;
}
