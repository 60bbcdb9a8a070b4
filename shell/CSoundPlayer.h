#pragma once
// The program's one sound channel: a wave file played in the background, a new sound replacing one still
// playing. Lives as long as the application object.
#include <QObject>
#include <QString>
#include <functional>

class QSoundEffect;

class CSoundPlayer : public QObject {
    Q_OBJECT

public:
    enum class Outcome {
        Started,   // handed to the audio device
        Beeped,    // the file is not there: the system beep instead
        NoDevice,  // nothing to play on; silent
    };
    using BeepFunction = std::function<void()>;

    // The player of the running application, made on first use.
    static CSoundPlayer& Instance();

    // Starts file (relative names resolve against the current directory) and returns at once.
    Outcome Play(const QString& file);

    // Replaces the system beep (tests record it); an empty function restores it. Returns the one replaced.
    static BeepFunction SetBeepFunction(BeepFunction beep);

private:
    explicit CSoundPlayer(QObject* parent);
    static void Beep();
    void OnStatusChanged();

    QSoundEffect* effect = nullptr;
};
