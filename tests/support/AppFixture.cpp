// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/AppFixture.h"

#include <QSettings>
#include <utility>

#include "controls/CKeyboardCues.h"
#include "controls/ProgramFiles.h"
#include "res/Resources.h"
#include "tests/support/PendingEvents.h"

void PrintTo(const RecordedMessage& message, std::ostream* out) {
    *out << '"' << message.text.toStdString() << "\" / \"" << message.caption.toStdString() << '"';
}

void AppFixture::SetUp() {
    InitResources();
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(dataHome.isValid());
    ASSERT_TRUE(configHome.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome.path());
    CSoundPlayer::Instance().SetMuted(false);
    // Each case starts as the program does: no key pressed yet.
    CKeyboardCues::Forget();
    SetProgramFilesFolder(dir.path());
    previousDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    previousConfigHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    SetMessageBoxHandler([this](const QString& text, const QString& caption) {
        messages.push_back({text, caption});
    });
    CSoundPlayer::SetBeepFunction([this] { ++sounds; });
    app = std::make_unique<CPredictApp>();
    app->state.minDrawDate = COleDateTime(2009, 6, 17);
}

void AppFixture::TearDown() {
    DeliverPosted();
    app.reset();
    for (const auto& [variable, previous] :
         {std::pair{"XDG_DATA_HOME", previousDataHome}, std::pair{"XDG_CONFIG_HOME", previousConfigHome}}) {
        if (previous.isEmpty()) {
            qunsetenv(variable);
        } else {
            qputenv(variable, previous);
        }
    }
}

void AppFixture::DeliverPosted() {
    DeliverPendingEvents();
}
