// SPDX-License-Identifier: GPL-3.0-or-later
// The 静音 item of the main window's menu: it silences the hover chime, the beep that stands in for a missing
// sound file included, while the cards still show; and the next start remembers it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QMenu>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/CMainDlg.h"
#include "app/CNavPanel.h"
#include "shell/CSoundPlayer.h"
#include "shell/UserSettings.h"
#include "tests/support/AppFixture.h"

namespace {

class MuteTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        QCursor::setPos(0, 0);
    }
    void TearDown() override {
        window.reset();
        AppFixture::TearDown();
    }

    // A start of the program as far as the sound goes: a fresh window, the chime as a fresh process has it.
    CNavPanel& Start() {
        window.reset();
        CSoundPlayer::Instance().SetMuted(false);
        window = std::make_unique<CMainDlg>(*app);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *dynamic_cast<CNavPanel*>(window->navContainer.Page(0));
    }

    // Right-clicks the window and chooses 静音; returns whether the item was ticked when the menu opened.
    bool ChooseMute() {
        bool wasTicked = false;
        QTimer::singleShot(0, [&wasTicked] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            QAction* mute = menu->actions().front();
            EXPECT_EQ(mute->text(), QStringLiteral("静音"));
            EXPECT_TRUE(mute->isCheckable());
            wasTicked = mute->isChecked();
            menu->setActiveAction(mute);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(400, 300),
                                     window->mapToGlobal(QPoint(400, 300)));
        QCoreApplication::sendEvent(window.get(), &rightClick);
        return wasTicked;
    }

    // The pointer from bare panel onto a button.
    void Hover(CNavPanel& panel, QWidget& button) {
        QTest::mouseMove(&panel, QPoint(5, 5));
        QTest::mouseMove(&button, button.rect().center());
        DeliverPosted();
    }

    std::unique_ptr<CMainDlg> window;
};

TEST_F(MuteTest, MutedTheCardsStillShowButNothingSoundsNotEvenTheBeep) {
    CNavPanel& panel = Start();
    EXPECT_FALSE(ChooseMute());
    EXPECT_TRUE(CSoundPlayer::Instance().IsMuted());

    Hover(panel, panel.recordsButton);
    Hover(panel, panel.playerButton);

    EXPECT_TRUE(window->picture.isVisible());
    EXPECT_EQ(window->picture.PictureFile(), QStringLiteral("player.mid"));
    EXPECT_EQ(sounds, 0) << "the sound file is missing here: a chime that was not muted would beep";
}

TEST_F(MuteTest, TheNextStartRemembersTheChoiceBothWays) {
    Start();
    ChooseMute();
    EXPECT_TRUE(MutedSetting());

    CNavPanel& second = Start();
    EXPECT_TRUE(CSoundPlayer::Instance().IsMuted());
    EXPECT_TRUE(ChooseMute()) << "the item shows the remembered choice";
    EXPECT_FALSE(CSoundPlayer::Instance().IsMuted());
    EXPECT_FALSE(MutedSetting());
    Hover(second, second.predictButton);
    EXPECT_EQ(sounds, 1);

    Start();
    EXPECT_FALSE(CSoundPlayer::Instance().IsMuted());
}

// The choice is the user's setting, kept where QSettings keeps this user's files (here the test's own
// folder).
TEST_F(MuteTest, TheChoiceIsKeptInTheUsersSettingsFile) {
    Start();
    ChooseMute();

    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("morvint"),
                       QStringLiteral("morvint"));
    EXPECT_TRUE(settings.fileName().startsWith(configHome.path())) << settings.fileName().toStdString();
    EXPECT_TRUE(settings.value(QStringLiteral("sound/muted")).toBool());
}

}  // namespace
