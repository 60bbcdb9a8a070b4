// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's one sound channel: a wave file played in the background, a new sound replacing one still
// playing. Lives as long as the application object.
//
// The audio library is not part of the program's start: it sits in the sound plugin (morvint_sound.so), which
// is loaded when the first sound is due. Until then no audio library, sound server connection or codec is
// loaded at all. While the user has muted the program nothing plays, not even the beep.
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class CSoundOutput;

class CSoundPlayer : public QObject {
    Q_OBJECT

public:
    enum class Outcome {
        Started,   // handed to the audio device
        Beeped,    // the file is not there, or nothing can play it: the system beep instead
        NoDevice,  // nothing to play on; silent
        Muted,     // the user has muted the program; silent
    };
    using BeepFunction = std::function<void()>;

    // The player of the running application, made on first use.
    static CSoundPlayer& Instance();
    // A player of its own (tests); the program plays through Instance().
    explicit CSoundPlayer(QObject* parent = nullptr);

    // Starts file (relative names resolve against the current directory) and returns at once.
    Outcome Play(const QString& file);

    void SetMuted(bool mute) { muted = mute; }
    bool IsMuted() const { return muted; }

    // True once the sound plugin has been looked for (on the first sound that was due).
    bool OutputLoaded() const { return outputSearched; }

    // Replaces the system beep (tests record it); an empty function restores it. Returns the one replaced.
    static BeepFunction SetBeepFunction(BeepFunction beep);

    // Where the sound plugin is looked for: the program's plugin folders (shell/PluginFolders.h), which the
    // workbook and print plugins share. Tests and tools that run from elsewhere name the build's folder here;
    // an empty list goes back to the default.
    static void SetPluginFolders(const QStringList& folders);
    static QStringList PluginFolders();

private:
    static void Beep();
    CSoundOutput* Output();

    bool muted = false;
    bool outputSearched = false;
    CSoundOutput* output = nullptr;  // a child of this player, made by the plugin
};
