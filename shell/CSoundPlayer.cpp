#include "shell/CSoundPlayer.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <utility>

namespace {

CSoundPlayer::BeepFunction& BeepOverride() {
    static CSoundPlayer::BeepFunction beep;
    return beep;
}

}  // namespace

CSoundPlayer::CSoundPlayer(QObject* parent) : QObject(parent) {}

CSoundPlayer& CSoundPlayer::Instance() {
    // A child of the application object, so it goes before the application does.
    static CSoundPlayer* player = nullptr;
    if (player == nullptr) {
        player = new CSoundPlayer(QCoreApplication::instance());
        connect(player, &QObject::destroyed, [] { player = nullptr; });
    }
    return *player;
}

CSoundPlayer::Outcome CSoundPlayer::Play(const QString& file) {
    const QFileInfo info(file);
    if (!info.isFile()) {
        Beep();
        return Outcome::Beeped;
    }
    // Without a device a sound effect reports that it plays forever; asking first keeps the state honest.
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        return Outcome::NoDevice;
    }
    if (effect == nullptr) {
        effect = new QSoundEffect(this);
        connect(effect, &QSoundEffect::statusChanged, this, &CSoundPlayer::OnStatusChanged);
    }
    effect->stop();
    const QUrl source = QUrl::fromLocalFile(info.absoluteFilePath());
    if (effect->source() != source) {
        effect->setSource(source);
    } else if (effect->status() == QSoundEffect::Error) {
        // The same broken file again: it is not reloaded, so no new error would come.
        Beep();
        return Outcome::Beeped;
    }
    effect->play();
    return Outcome::Started;
}

// A file that is there but cannot be decoded is found out while loading: it gets the beep as well.
void CSoundPlayer::OnStatusChanged() {
    if (effect != nullptr && effect->status() == QSoundEffect::Error) {
        Beep();
    }
}

void CSoundPlayer::Beep() {
    if (BeepOverride()) {
        BeepOverride()();
        return;
    }
    QApplication::beep();
}

CSoundPlayer::BeepFunction CSoundPlayer::SetBeepFunction(BeepFunction beep) {
    return std::exchange(BeepOverride(), std::move(beep));
}
