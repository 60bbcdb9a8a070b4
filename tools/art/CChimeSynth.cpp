// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/art/CChimeSynth.h"

#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/art/LittleEndian.h"

namespace {
struct Partial {
    double ratio;      // of the fundamental
    double amplitude;  // relative
    double decay;      // per second
};

// A struck bowl: the fundamental, a slightly beating twin, and the inharmonic upper partials of a bell, which
// die away quickly so that the tail is a pure low hum.
constexpr double fundamentalHz = 196.0;  // G3
constexpr Partial partials[] = {
    {1.0, 0.55, 4.0}, {1.004, 0.25, 4.5}, {2.0, 0.18, 6.5}, {2.76, 0.10, 9.0}, {4.07, 0.05, 14.0},
};
}  // namespace

std::vector<qint16> CChimeSynth::Samples() {
    const int count = static_cast<int>(sampleRate * seconds);
    const double attack = 0.008 * sampleRate;
    const double release = 0.12 * sampleRate;
    const double peak = 0.42 * 32767.0;
    std::vector<qint16> samples(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        double value = 0.0;
        for (const Partial& partial : partials) {
            value += partial.amplitude * std::exp(-partial.decay * t) *
                     std::sin(2.0 * std::numbers::pi * fundamentalHz * partial.ratio * t);
        }
        // A soft mallet: a short raised-cosine onset, and a fade so the file ends in silence without a click.
        double envelope = 1.0;
        if (i < attack) {
            envelope = 0.5 - 0.5 * std::cos(std::numbers::pi * i / attack);
        }
        const int left = count - 1 - i;
        if (left < release) {
            envelope *= 0.5 - 0.5 * std::cos(std::numbers::pi * left / release);
        }
        const double scaled = std::clamp(value * envelope * peak, -32767.0, 32767.0);
        samples[static_cast<std::size_t>(i)] = static_cast<qint16>(std::lround(scaled));
    }
    return samples;
}

QByteArray CChimeSynth::EncodeWave(const std::vector<qint16>& samples) {
    const quint32 dataBytes = static_cast<quint32>(samples.size() * 2);
    QByteArray out;
    out.append("RIFF");
    PutU32(out, 36 + dataBytes);
    out.append("WAVE");
    out.append("fmt ");
    PutU32(out, 16);
    PutU16(out, 1);  // PCM
    PutU16(out, 1);  // mono
    PutU32(out, sampleRate);
    PutU32(out, sampleRate * 2);  // bytes per second
    PutU16(out, 2);               // block align
    PutU16(out, 16);              // bits per sample
    out.append("data");
    PutU32(out, dataBytes);
    for (qint16 sample : samples) {
        PutU16(out, static_cast<quint16>(sample));
    }
    return out;
}

bool CChimeSynth::Write(const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(EncodeWave(Samples()));
    return file.commit();
}
