// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the sound player asks of an audio library: play one wave file in the background. The library behind it
// (Qt Multimedia, and the sound-server and codec libraries it brings) lives in a plugin that is loaded when
// the first sound is due, so a start-up that plays nothing never pays for it.
#include <QString>

class CSoundOutput {
public:
    enum class Result {
        Started,     // handed to the audio device
        NoDevice,    // nothing to play on; silent
        Unplayable,  // the same file failed before and is not tried again
    };

    virtual ~CSoundOutput() = default;

    // Starts the wave file (an absolute path) and returns at once, cutting off a sound still playing.
    virtual Result Play(const QString& path) = 0;
};
