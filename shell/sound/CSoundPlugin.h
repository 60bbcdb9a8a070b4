// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The root object of the sound plugin (morvint_sound.so), which the sound player loads on the first sound.
#include <QObject>

#include "shell/CSoundOutputFactory.h"

class CSoundPlugin : public QObject, public CSoundOutputFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CSoundOutputFactory_iid)
    Q_INTERFACES(CSoundOutputFactory)

public:
    CSoundOutput* CreateOutput(QObject* parent, std::function<void()> unplayable) override;
};
