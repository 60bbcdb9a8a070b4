// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>
#include <vector>

// The hover sound "jiu_low.wav": a soft, low bell-like chime built from a few decaying partials, written as a
// mono 16-bit PCM wave file. Computed sample by sample, so every build writes the same bytes.
class CChimeSynth {
public:
    static constexpr int sampleRate = 22050;
    static constexpr double seconds = 0.75;

    static std::vector<qint16> Samples();
    static QByteArray EncodeWave(const std::vector<qint16>& samples);
    static bool Write(const QString& path);
};
