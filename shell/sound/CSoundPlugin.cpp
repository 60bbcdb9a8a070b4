// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/sound/CSoundPlugin.h"

#include <utility>

#include "shell/sound/CQtSoundOutput.h"

CSoundOutput* CSoundPlugin::CreateOutput(QObject* parent, std::function<void()> unplayable) {
    return new CQtSoundOutput(parent, std::move(unplayable));
}
