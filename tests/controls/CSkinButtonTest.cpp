// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCursor>
#include <QMouseEvent>
#include <QTest>

#include "controls/CHoverNotifyButton.h"
#include "controls/CSkinButton.h"
#include "controls/PostedMessage.h"
#include "tests/support/PendingEvents.h"
#include "tests/support/PostedRecorder.h"
#include "tests/support/WidgetPixels.h"

using namespace testsupport;

namespace {

constexpr COLORREF kKey = RGB(155, 197, 207);
const QColor kPage(10, 120, 10);
const QColor kHot(220, 30, 30);
const QColor kNormal(30, 30, 220);
// Faces are 61 x 15 in a 71 x 25 button, so they sit at (5, 5); the coloured block starts 5, 3 inside the
// face, that is at (10, 8) in the button.
const QRect kButtonRect(50, 30, 71, 25);
const QRect kBlock(5, 3, 51, 9);

// A page that counts the mouse moves it receives itself.
class TrackingPage : public QWidget {
public:
    int moves = 0;

protected:
    void mouseMoveEvent(QMouseEvent* event) override {
        ++moves;
        QWidget::mouseMoveEvent(event);
    }
};

class SkinButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        QCursor::setPos(0, 0);
        page.resize(200, 100);
        page.setMouseTracking(true);
        PaintBackground(page, kPage);
        button = new CSkinButton(&page);
        button->SetTransparentBackground(true);
        button->SetFlatBorder(false, true);
        button->setGeometry(kButtonRect);
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    }

    void SetFaces(bool withNormal) {
        const QImage hot = MakeFace({61, 15}, kKey, kBlock, kHot);
        const QImage normal = withNormal ? MakeFace({61, 15}, kKey, kBlock, kNormal) : QImage();
        ASSERT_EQ(button->SetFaceBitmapHandles(hot, kKey, normal, kKey), 0);
    }

    // Colour at a point given in the button's own coordinates.
    QColor At(int x, int y) { return PixelAt(page, kButtonRect.topLeft() + QPoint(x, y)); }

    void Hover() {
        QTest::mouseMove(button, QPoint(30, 12));
        ASSERT_TRUE(QTest::qWaitFor([this] { return button->IsHovered(); }));
    }

    TrackingPage page;
    CSkinButton* button = nullptr;
};

TEST_F(SkinButtonTest, NormalFaceAtRestWithKeyPixelsShowingThePage) {
    SetFaces(true);
    EXPECT_EQ(At(30, 12), kNormal);
    EXPECT_EQ(At(10, 8), kNormal);
    // Key pixels of the face and the margin around it both show the page.
    EXPECT_EQ(At(7, 7), kPage);
    EXPECT_EQ(At(9, 8), kPage);
    EXPECT_EQ(At(1, 1), kPage);
}

TEST_F(SkinButtonTest, HotFaceWhileHoveredAndNormalAgainAfterLeaving) {
    SetFaces(true);
    Hover();
    EXPECT_EQ(At(30, 12), kHot);
    EXPECT_EQ(At(10, 8), kHot);
    EXPECT_EQ(At(9, 8), kPage);

    QTest::mouseMove(&page, QPoint(5, 5));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !button->IsHovered(); }));
    EXPECT_EQ(At(30, 12), kNormal);
}

TEST_F(SkinButtonTest, HeldButtonShowsHotFaceOnePixelRightAndDown) {
    SetFaces(true);
    Hover();
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(30, 12));
    ASSERT_TRUE(button->isDown());
    // The block's top-left corner moved from (10, 8) to (11, 9).
    EXPECT_EQ(At(10, 8), kPage);
    EXPECT_EQ(At(10, 9), kPage);
    EXPECT_EQ(At(11, 8), kPage);
    EXPECT_EQ(At(11, 9), kHot);
    EXPECT_EQ(At(56, 17), kHot);  // bottom-right corner of the block, moved from (55, 16)
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(30, 12));
    EXPECT_EQ(At(10, 8), kHot);
}

TEST_F(SkinButtonTest, PressDraggedOntoTheButtonDoesNotHover) {
    SetFaces(true);
    QTest::mousePress(&page, Qt::LeftButton, {}, QPoint(5, 5));
    const EventCounter moves(*button, QEvent::MouseMove);
    QTest::mouseMove(button, QPoint(30, 12));
    DeliverPendingEvents();
    EXPECT_EQ(moves.count, 1) << "the move reached the button";
    EXPECT_FALSE(button->IsHovered());
    EXPECT_EQ(At(30, 12), kNormal);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(30, 12));

    // Once the button is released, the next move over the button lights it up.
    QTest::mouseMove(button, QPoint(31, 12));
    EXPECT_TRUE(QTest::qWaitFor([this] { return button->IsHovered(); }));
}

TEST_F(SkinButtonTest, OnlyAHotFaceShowsInEveryState) {
    SetFaces(false);
    EXPECT_EQ(At(30, 12), kHot);
    Hover();
    EXPECT_EQ(At(30, 12), kHot);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(30, 12));
    EXPECT_EQ(At(11, 9), kHot);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(30, 12));
}

TEST_F(SkinButtonTest, MovesOverTheButtonDoNotReachThePage) {
    QTest::mouseMove(&page, QPoint(5, 5));
    ASSERT_TRUE(QTest::qWaitFor([this] { return page.moves > 0; }));
    DeliverPendingEvents();
    const int before = page.moves;
    QTest::mouseMove(button, QPoint(20, 10));
    QTest::mouseMove(button, QPoint(25, 10));
    DeliverPendingEvents();
    EXPECT_TRUE(button->IsHovered()) << "the moves reached the button";
    EXPECT_EQ(page.moves, before);
}

TEST_F(SkinButtonTest, NullHotFaceLeavesOnlyTheCaption) {
    SetFaces(true);
    EXPECT_EQ(button->SetFaceBitmapHandles(QImage(), kKey, MakeFace({61, 15}, kKey, kBlock, kNormal), kKey),
              0);
    EXPECT_FALSE(button->HasHotFace());
    EXPECT_FALSE(button->HasNormalFace());
    EXPECT_EQ(At(30, 12), kPage);
}

TEST_F(SkinButtonTest, UnknownResourceIdGivesNoFace) {
    EXPECT_EQ(button->SetFaceBitmaps(99999, kKey, 99998, kKey), 0);
    EXPECT_FALSE(button->HasHotFace());
}

TEST_F(SkinButtonTest, CaptionUsesNormalThenHotTextColour) {
    button->setFont(SolidFont(18));
    button->setText(QStringLiteral("WWW"));
    const QColor normalText(250, 0, 0);
    const QColor hotText(0, 0, 250);
    EXPECT_EQ(button->SetStateColour(CSkinButton::kTextNormal, FromQColor(normalText), true), 0);
    EXPECT_EQ(button->SetStateColour(CSkinButton::kTextHot, FromQColor(hotText), true), 0);
    const QRect area(kButtonRect);
    QImage image = page.grab().toImage();
    EXPECT_GT(CountPixels(image, area, normalText), 20);
    EXPECT_EQ(CountPixels(image, area, hotText), 0);

    Hover();
    image = page.grab().toImage();
    EXPECT_EQ(CountPixels(image, area, normalText), 0);
    EXPECT_GT(CountPixels(image, area, hotText), 20);
}

TEST_F(SkinButtonTest, StateColourIndexSixOrMoreIsRefused) {
    const COLORREF before = button->StateColour(CSkinButton::kTextFocus);
    EXPECT_EQ(button->SetStateColour(6, RGB(1, 2, 3), true), 3);
    EXPECT_EQ(button->SetStateColour(255, RGB(1, 2, 3), true), 3);
    EXPECT_EQ(button->StateColour(CSkinButton::kTextFocus), before);
    EXPECT_EQ(button->SetStateColour(5, RGB(1, 2, 3), true), 0);
    EXPECT_EQ(button->StateColour(5), RGB(1, 2, 3));
    button->ResetStateColours(true);
    EXPECT_EQ(button->StateColour(5), before);
}

TEST(SkinButtonBackgroundTest, OpaqueButtonFillsWithItsStateBackColours) {
    QCursor::setPos(0, 0);
    QWidget page;
    page.resize(120, 60);
    PaintBackground(page, kPage);
    auto* button = new CSkinButton(&page);
    button->SetFlatBorder(false, false);
    button->setGeometry(10, 10, 71, 25);
    button->SetStateColour(CSkinButton::kBackNormal, RGB(1, 2, 3), false);
    button->SetStateColour(CSkinButton::kBackHot, RGB(4, 5, 6), false);
    button->SetStateColour(CSkinButton::kBackFocus, RGB(7, 8, 9), false);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    button->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([button] { return button->hasFocus(); }));
    EXPECT_EQ(PixelAt(page, {40, 20}), QColor(7, 8, 9));
    button->clearFocus();
    EXPECT_EQ(PixelAt(page, {40, 20}), QColor(1, 2, 3));
    QTest::mouseMove(button, QPoint(30, 12));
    ASSERT_TRUE(QTest::qWaitFor([button] { return button->IsHovered(); }));
    EXPECT_EQ(PixelAt(page, {40, 20}), QColor(4, 5, 6));
}

TEST_F(SkinButtonTest, FlatBorderIsRaisedWhenHoveredAndSunkenWhenHeld) {
    button->SetFlatBorder(true, true);
    // Compared as 8-bit RGB: the palette keeps finer components than a grabbed pixel.
    const QColor light = button->palette().color(QPalette::Light).toRgb();
    const QColor shadow = button->palette().color(QPalette::Dark).toRgb();
    ASSERT_NE(light, shadow);
    EXPECT_EQ(At(0, 0), kPage);
    Hover();
    EXPECT_EQ(At(0, 0).rgb(), light.rgb());
    EXPECT_EQ(At(70, 24).rgb(), shadow.rgb());
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(30, 12));
    EXPECT_EQ(At(0, 0).rgb(), shadow.rgb());
    EXPECT_EQ(At(70, 24).rgb(), light.rgb());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(30, 12));
}

TEST(HoverNotifyButtonTest, PostsItsMessageOnEveryMove) {
    QCursor::setPos(0, 0);
    QWidget page;
    page.resize(120, 60);
    auto* button = new CHoverNotifyButton(&page);
    button->setGeometry(10, 10, 71, 25);
    PostedRecorder recorder;
    button->notifyWindow = &recorder;
    button->notifyMessage = WM_NAVHOVER;
    button->notifyParam = 20;
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));

    // Posted, not sent: nothing arrives before the event loop runs.
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &move);
    EXPECT_TRUE(recorder.posts.empty());
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(recorder.posts.size(), 1u);

    QTest::mouseMove(button, QPoint(20, 10));
    QTest::mouseMove(button, QPoint(21, 10));
    QTest::mouseMove(button, QPoint(22, 11));
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(recorder.posts.size(), 4u);
    for (const PostedRecorder::Post& message : recorder.posts) {
        EXPECT_EQ(message.message, WM_NAVHOVER);
        EXPECT_EQ(message.wParam, 20);
        EXPECT_EQ(message.lParam, 0);
    }
    EXPECT_TRUE(button->IsHovered());
}

}  // namespace
