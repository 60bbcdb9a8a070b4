// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// GUI tests of the application, its main window, its pages and dialogs: an application object whose program
// files folder is fresh and empty (no database, no pictures, no sound), with a data folder of its own instead
// of the user's, settings of its own (empty: the chime is on), no key pressed yet, every message box recorded
// instead of shown, and every sound counted (the missing sound file makes each one a beep).
#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <ostream>
#include <utility>
#include <vector>

#include "shell/CPredictApp.h"
#include "shell/CSoundPlayer.h"
#include "shell/MessageBox.h"
#include "tests/support/ProgramGlobalsScope.h"

struct RecordedMessage {
    RecordedMessage(QString shownText, QString shownCaption)
        : text(std::move(shownText)), caption(std::move(shownCaption)) {}
    // A message of the table, with what it names filled into its %1, %2 …
    template <typename... Arguments>
    RecordedMessage(const MessageText& message, const Arguments&... arguments)
        : text(QString::fromStdString(FormatText(message, arguments...))), caption(CaptionOf(message)) {}

    QString text;
    QString caption;
    bool operator==(const RecordedMessage&) const = default;
};

void PrintTo(const RecordedMessage& message, std::ostream* out);

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Delivers the queued events (and what they post in turn) and runs the deferred deletions, until quiet.
    static void DeliverPosted();

    ProgramGlobalsScope globals;  // first in, last out: put back after the application is gone
    QTemporaryDir dir;            // the program files folder
    QTemporaryDir dataHome;       // $XDG_DATA_HOME
    QTemporaryDir configHome;     // $XDG_CONFIG_HOME: where the user's settings are kept
    std::unique_ptr<CPredictApp> app;
    std::vector<RecordedMessage> messages;
    int sounds = 0;

private:
    QByteArray previousDataHome;
    QByteArray previousConfigHome;
};
