// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation panel's hover pictures: a new button shows its picture with one sound, the same button
// nothing more, bare panel hides the picture. Driven by real mouse moves over the shown main window.
#include <gtest/gtest.h>

#include <QCursor>
#include <QTest>
#include <memory>

#include "app/CMainDlg.h"
#include "app/CNavPanel.h"
#include "controls/PostedMessage.h"
#include "tests/support/AppFixture.h"

namespace {

class NavPanelTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        QCursor::setPos(0, 0);
        window = std::make_unique<CMainDlg>(*app);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        panel = dynamic_cast<CNavPanel*>(window->navContainer.Page(0));
        ASSERT_NE(panel, nullptr);
    }
    void TearDown() override {
        window.reset();
        AppFixture::TearDown();
    }

    void MoveTo(QWidget& widget, QPoint at) {
        QTest::mouseMove(&widget, at);
        DeliverPosted();
    }
    void MoveOnto(QWidget& widget) { MoveTo(widget, widget.rect().center()); }

    bool PictureShown(const char* file) const {
        return window->picture.isVisible() && window->picture.PictureFile() == QString::fromLatin1(file);
    }

    std::unique_ptr<CMainDlg> window;
    CNavPanel* panel = nullptr;
};

TEST_F(NavPanelTest, TheButtonsSitOnThePanelAndTheirHoverKindsAreSetUp) {
    EXPECT_EQ(panel->geometry(), QRect(0, 0, 187, 455));
    EXPECT_EQ(panel->predictButton.geometry(), QRect(24, 50, 131, 35));
    EXPECT_EQ(panel->aboutButton.geometry(), QRect(24, 250, 131, 35));
    EXPECT_EQ(panel->lastHoverKind, ViewKind::NoPicture);
    EXPECT_EQ(panel->recordsButton.notifyWindow, panel);
    EXPECT_EQ(panel->recordsButton.notifyMessage, WM_NAVHOVER);
    EXPECT_EQ(panel->recordsButton.notifyParam, 20);
    EXPECT_EQ(panel->answersButton.notifyParam, 40);
    EXPECT_TRUE(panel->predictButton.HasHotFace());
    EXPECT_FALSE(window->picture.isVisible());
}

TEST_F(NavPanelTest, OnlyAChangeOfButtonShowsAPictureAndPlaysTheSound) {
    MoveOnto(panel->predictButton);
    EXPECT_TRUE(PictureShown("select.mid"));
    EXPECT_EQ(sounds, 1);
    EXPECT_EQ(window->picture.PictureWidth(), 342);
    EXPECT_EQ(window->picture.PictureHeight(), 280);

    MoveOnto(panel->recordsButton);
    EXPECT_TRUE(PictureShown("history.mid"));
    EXPECT_EQ(sounds, 2);

    MoveTo(panel->recordsButton, QPoint(5, 5));
    MoveTo(panel->recordsButton, QPoint(100, 20));
    EXPECT_TRUE(PictureShown("history.mid"));
    EXPECT_EQ(sounds, 2);

    MoveOnto(panel->playerButton);
    EXPECT_TRUE(PictureShown("player.mid"));
    MoveOnto(panel->answersButton);
    EXPECT_TRUE(PictureShown("answer.mid"));
    EXPECT_EQ(sounds, 4);
}

TEST_F(NavPanelTest, BarePanelHidesThePictureOnceAndTheSameButtonShowsItAgain) {
    MoveOnto(panel->playerButton);
    ASSERT_TRUE(PictureShown("player.mid"));

    MoveTo(*panel, QPoint(10, 10));
    EXPECT_FALSE(window->picture.isVisible());
    EXPECT_EQ(panel->lastHoverKind, ViewKind::NoPicture);
    MoveTo(*panel, QPoint(100, 420));  // over the seal picture: still bare panel
    EXPECT_FALSE(window->picture.isVisible());

    MoveOnto(panel->playerButton);
    EXPECT_TRUE(PictureShown("player.mid"));
    EXPECT_EQ(sounds, 2);
}

TEST_F(NavPanelTest, TheAboutButtonShowsNoPicture) {
    MoveOnto(panel->aboutButton);
    EXPECT_FALSE(window->picture.isVisible());
    EXPECT_EQ(sounds, 0);
}

TEST_F(NavPanelTest, OpeningAViewHidesThePicture) {
    MoveOnto(panel->recordsButton);
    ASSERT_TRUE(window->picture.isVisible());

    panel->recordsButton.click();
    DeliverPosted();

    EXPECT_FALSE(window->picture.isVisible());
    EXPECT_TRUE(window->pageContainer.isVisible());
}

}  // namespace
