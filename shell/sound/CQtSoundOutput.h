// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound output of the plugin: one QSoundEffect, made on the first sound. A file that is there but cannot
// be decoded is found out while it loads, after Play has returned; the owner hears of it through unplayable.
#include <QObject>
#include <functional>

#include "shell/CSoundOutput.h"

class QSoundEffect;

class CQtSoundOutput : public QObject, public CSoundOutput {
    Q_OBJECT

public:
    CQtSoundOutput(QObject* parent, std::function<void()> unplayable);

    Result Play(const QString& path) override;

private:
    void OnStatusChanged();

    std::function<void()> reportUnplayable;
    QSoundEffect* effect = nullptr;
};
