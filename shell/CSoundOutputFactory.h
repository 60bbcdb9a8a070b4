// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The entry point of the sound plugin: it makes the output the sound player plays through.
#include <QtPlugin>
#include <functional>

#include "shell/CSoundOutput.h"

class QObject;

class CSoundOutputFactory {
public:
    virtual ~CSoundOutputFactory() = default;

    // A new output, a child of parent (it goes with it). unplayable runs whenever a file turns out, while it
    // is being loaded, not to be a sound the library can play.
    virtual CSoundOutput* CreateOutput(QObject* parent, std::function<void()> unplayable) = 0;
};

#define CSoundOutputFactory_iid "org.morvint.Quintara.SoundOutputFactory/1.0"
Q_DECLARE_INTERFACE(CSoundOutputFactory, CSoundOutputFactory_iid)
