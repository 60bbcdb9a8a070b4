#pragma once
// GUI tests of the application, its main window, its pages and dialogs: an application object whose program
// files folder is fresh and empty (no database, no pictures, no sound), with a data folder of its own instead
// of the user's, settings of its own (empty: the chime is on), every message box recorded instead of shown,
// and every sound counted (the missing sound file makes each one a beep).
#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QEvent>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <utility>
#include <vector>

#include "controls/CKeyboardCues.h"
#include "controls/ProgramFiles.h"
#include "res/Resources.h"
#include "shell/CPredictApp.h"
#include "shell/CSoundPlayer.h"
#include "shell/MessageBox.h"

struct RecordedMessage {
    QString text;
    QString caption;
    bool operator==(const RecordedMessage&) const = default;
};

inline void PrintTo(const RecordedMessage& message, std::ostream* out) {
    *out << '"' << message.text.toStdString() << "\" / \"" << message.caption.toStdString() << '"';
}

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override {
        InitResources();
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(dataHome.isValid());
        ASSERT_TRUE(configHome.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome.path());
        CSoundPlayer::Instance().SetMuted(false);
        // Each case starts as the program does: no key pressed yet.
        CKeyboardCues::Forget();
        previousFolder = SetProgramFilesFolder(dir.path());
        ASSERT_TRUE(configHome.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome.path());
        CSoundPlayer::Instance().SetMuted(false);
        previousDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
        previousHandler = SetMessageBoxHandler([this](const QString& text, const QString& caption) {
            messages.push_back({text, caption});
        });
        previousBeep = CSoundPlayer::SetBeepFunction([this] { ++sounds; });
        app = std::make_unique<CPredictApp>();
        app->state.minDrawDate = COleDateTime(2009, 6, 17);
    }

    void TearDown() override {
        DeliverPosted();
        app.reset();
        CSoundPlayer::Instance().SetMuted(false);
        CSoundPlayer::SetBeepFunction(std::move(previousBeep));
        CSoundPlayer::Instance().SetMuted(false);
        SetMessageBoxHandler(std::move(previousHandler));
        SetProgramFilesFolder(previousFolder);
        if (previousDataHome.isEmpty()) {
            qunsetenv("XDG_DATA_HOME");
        } else {
            qputenv("XDG_DATA_HOME", previousDataHome);
        }
    }

    // Delivers the posted messages (and what they post in turn) and runs the deferred deletions.
    static void DeliverPosted() {
        for (int round = 0; round < 4; ++round) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    QTemporaryDir dir;         // the program files folder
    QTemporaryDir dataHome;    // $XDG_DATA_HOME
    QTemporaryDir configHome;  // where QSettings keeps the user's settings
    std::unique_ptr<CPredictApp> app;
    std::vector<RecordedMessage> messages;
    int sounds = 0;

private:
    QString previousFolder;
    QByteArray previousDataHome;
    MessageBoxHandler previousHandler;
    CSoundPlayer::BeepFunction previousBeep;
};
