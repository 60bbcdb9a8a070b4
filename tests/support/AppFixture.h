#pragma once
// GUI tests of the application, its main window, its pages and dialogs: an application object in a fresh,
// empty current directory (no database, no pictures, no sound), every message box recorded instead of shown,
// and every sound counted (the missing sound file makes each one a beep).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <utility>
#include <vector>

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
        previousDir = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir.path()));
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
        CSoundPlayer::SetBeepFunction(std::move(previousBeep));
        SetMessageBoxHandler(std::move(previousHandler));
        QDir::setCurrent(previousDir);
    }

    // Delivers the posted messages (and what they post in turn) and runs the deferred deletions.
    static void DeliverPosted() {
        for (int round = 0; round < 4; ++round) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    QTemporaryDir dir;
    std::unique_ptr<CPredictApp> app;
    std::vector<RecordedMessage> messages;
    int sounds = 0;

private:
    QString previousDir;
    MessageBoxHandler previousHandler;
    CSoundPlayer::BeepFunction previousBeep;
};
