// SPDX-License-Identifier: GPL-3.0-or-later
// Secondary windows over their owners: centred over the owner's window or covering the owner exactly, and in
// either case whole on the owner's screen, moved as little as that takes.
#include <gtest/gtest.h>

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "controls/WindowPlacement.h"

namespace {

TEST(KeptWithinTest, AFrameIsMovedJustEnoughToLieInsideTheArea) {
    const QRect area(0, 0, 1280, 900);
    EXPECT_EQ(KeptWithin(QRect(100, 200, 640, 480), area), QRect(100, 200, 640, 480)) << "inside: unmoved";
    // 19 pixels past the bottom, 5 past the right edge: flush with both.
    EXPECT_EQ(KeptWithin(QRect(645, 439, 640, 480), area), QRect(640, 420, 640, 480));
    // Above the top and left of the left edge: flush with those.
    EXPECT_EQ(KeptWithin(QRect(-30, -27, 600, 625), area), QRect(0, 0, 600, 625));
    // An area that does not start at the origin, as beside a panel.
    EXPECT_EQ(KeptWithin(QRect(0, 0, 100, 100), QRect(50, 30, 1230, 870)), QRect(50, 30, 100, 100));
}

TEST(KeptWithinTest, AFrameLargerThanTheAreaKeepsItsTitleBarInIt) {
    const QRect area(0, 0, 800, 600);
    EXPECT_EQ(KeptWithin(QRect(-50, -40, 900, 700), area).topLeft(), QPoint(0, 0));
    EXPECT_EQ(KeptWithin(QRect(100, 80, 900, 700), area).topLeft(), QPoint(0, 0));
    EXPECT_EQ(KeptWithin(QRect(100, 80, 700, 700), area), QRect(100, 0, 700, 700));
}

class PlaceOverOwnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner.setFixedSize(700, 500);
        page.setParent(&owner);
        page.setGeometry(0, 0, 700, 455);
        dialog.setParent(&owner, Qt::Dialog);
    }
    // Shows the owner at x, y and places the dialog of that size over it.
    void Open(QPoint at, QSize size, Placement placement) {
        owner.move(at);
        owner.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
        dialog.setFixedSize(size);
        PlaceOverOwner(dialog, placement == Placement::covering ? &page : &owner, true, placement);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }
    static QRect Screen() { return QGuiApplication::primaryScreen()->availableGeometry(); }

    QWidget owner;
    QWidget page;
    QDialog dialog;
};

TEST_F(PlaceOverOwnerTest, ADialogOpensInTheMiddleOfItsOwner) {
    Open(Screen().topLeft() + QPoint(20, 30), QSize(350, 230), Placement::centred);
    EXPECT_EQ(dialog.geometry().center(), owner.geometry().center());
}

// The owner low and right on the screen: the dialog centred over it would reach past the screen's edges.
TEST_F(PlaceOverOwnerTest, ADialogCentredOverAnOwnerAtTheScreensEdgeStaysWholeOnTheScreen) {
    Open(Screen().bottomRight() - QPoint(450, 350), QSize(400, 300), Placement::centred);
    const QRect frame = dialog.frameGeometry();
    EXPECT_TRUE(Screen().contains(frame)) << frame.x() << "," << frame.y();
    EXPECT_TRUE(owner.geometry().contains(dialog.geometry().center()));
    EXPECT_EQ(frame.bottomRight(), Screen().bottomRight()) << "moved no further than it takes";
}

// A window that shows a page's picture lies exactly over the page, not centred over the taller window.
TEST_F(PlaceOverOwnerTest, ACoveringWindowLiesExactlyOverItsOwnerWidget) {
    Open(Screen().topLeft() + QPoint(20, 30), QSize(700, 455), Placement::covering);
    EXPECT_EQ(dialog.geometry(), QRect(page.mapToGlobal(QPoint(0, 0)), page.size()));
}

}  // namespace
