// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/sound/CQtSoundOutput.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <utility>

CQtSoundOutput::CQtSoundOutput(QObject* parent, std::function<void()> unplayable)
    : QObject(parent), reportUnplayable(std::move(unplayable)) {}

CSoundOutput::Result CQtSoundOutput::Play(const QString& path) {
    // Without a device a sound effect reports that it plays forever; asking first keeps the state honest.
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        return Result::NoDevice;
    }
    if (effect == nullptr) {
        effect = new QSoundEffect(this);
        connect(effect, &QSoundEffect::statusChanged, this, &CQtSoundOutput::OnStatusChanged);
    }
    effect->stop();
    const QUrl source = QUrl::fromLocalFile(path);
    if (effect->source() != source) {
        effect->setSource(source);
    } else if (effect->status() == QSoundEffect::Error) {
        // The same broken file again: it is not reloaded, so no new error would come.
        return Result::Unplayable;
    }
    effect->play();
    return Result::Started;
}

void CQtSoundOutput::OnStatusChanged() {
    if (effect->status() == QSoundEffect::Error && reportUnplayable) {
        reportUnplayable();
    }
}
