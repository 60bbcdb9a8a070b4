// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CSoundPlayer.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>
#include <utility>

#include "shell/CSoundOutputFactory.h"
#include "shell/PluginFolders.h"

namespace {

const QString kPluginFile = QStringLiteral("morvint_sound.so");

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
    if (muted) {
        return Outcome::Muted;
    }
    const QFileInfo info(file);
    if (!info.isFile()) {
        Beep();
        return Outcome::Beeped;
    }
    CSoundOutput* out = Output();
    if (out == nullptr) {
        // An incomplete installation: the file is there but nothing can play it, as with a broken file.
        Beep();
        return Outcome::Beeped;
    }
    switch (out->Play(info.absoluteFilePath())) {
        case CSoundOutput::Result::Started:
            return Outcome::Started;
        case CSoundOutput::Result::NoDevice:
            return Outcome::NoDevice;
        case CSoundOutput::Result::Unplayable:
            break;
    }
    Beep();
    return Outcome::Beeped;
}

// The plugin is looked for once; a run without it beeps instead of every sound.
CSoundOutput* CSoundPlayer::Output() {
    if (outputSearched) {
        return output;
    }
    outputSearched = true;
    for (const QString& folder : PluginFolders()) {
        const QString path = QDir(folder).filePath(kPluginFile);
        if (!QFileInfo::exists(path)) {
            continue;
        }
        QPluginLoader loader(path);
        if (auto* factory = qobject_cast<CSoundOutputFactory*>(loader.instance())) {
            // A file that turns out not to be a sound while it loads gets the beep as well.
            output = factory->CreateOutput(this, &CSoundPlayer::Beep);
            break;
        }
    }
    return output;
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

void CSoundPlayer::SetPluginFolders(const QStringList& folders) {
    ::SetPluginFolders(folders);
}

QStringList CSoundPlayer::PluginFolders() {
    return ::PluginFolders();
}
