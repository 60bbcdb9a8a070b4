// SPDX-License-Identifier: GPL-3.0-or-later
// The skinned button for keyboard users and assistive technology: the ink focus frame appears for focus that
// follows the keyboard and never after a click or on a label; labels and option squares say what they are.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCursor>
#include <QSignalSpy>
#include <QTest>

#include "controls/CKeyboardCues.h"
#include "controls/CSkinButton.h"
#include "tests/support/WidgetPixels.h"

using namespace testsupport;

namespace {

const QColor kPage(10, 120, 10);
const QColor kInk = ToQColor(CSkinButton::kFocusFrameColour);

class SkinButtonFocusTest : public ::testing::Test {
protected:
    void SetUp() override {
        CKeyboardCues::Forget();
        QCursor::setPos(0, 0);
        page.resize(300, 100);
        PaintBackground(page, kPage);
        for (CSkinButton* button : {&first, &second, &label}) {
            button->SetTransparentBackground(true);
            button->SetFlatBorder(false, true);
        }
        first.setGeometry(20, 30, 71, 25);
        second.setGeometry(110, 30, 71, 25);
        label.setGeometry(200, 30, 71, 25);
        label.SetRole(CSkinButton::ButtonRole::Label);
        label.setText(QStringLiteral("新玩家"));
        page.show();
        page.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
        first.setFocus();
    }

    // How many pixels of the button's 2-pixel edge, and of the band just inside it, are ink.
    int InkOnEdge(const CSkinButton& button) {
        const QImage image = page.grab().toImage();
        const QRect r = button.geometry();
        const int w = CSkinButton::kFocusFrameWidth;
        return CountPixels(image, QRect(r.left(), r.top(), r.width(), w), kInk) +
               CountPixels(image, QRect(r.left(), r.bottom() - w + 1, r.width(), w), kInk) +
               CountPixels(image, QRect(r.left(), r.top() + w, w, r.height() - 2 * w), kInk) +
               CountPixels(image, QRect(r.right() - w + 1, r.top() + w, w, r.height() - 2 * w), kInk);
    }
    static int EdgePixels(const CSkinButton& button) {
        const int w = CSkinButton::kFocusFrameWidth;
        return 2 * w * button.width() + 2 * w * (button.height() - 2 * w);
    }
    int InkInside(const CSkinButton& button) {
        const int w = CSkinButton::kFocusFrameWidth;
        return CountPixels(page.grab().toImage(), button.geometry().adjusted(w, w, -w, -w), kInk);
    }
    bool Framed(const CSkinButton& button) {
        return InkOnEdge(button) == EdgePixels(button) && InkInside(button) == 0;
    }
    bool Unframed(const CSkinButton& button) { return InkOnEdge(button) == 0; }

    QWidget page;
    CSkinButton first{&page};
    CSkinButton second{&page};
    CSkinButton label{&page};
};

TEST_F(SkinButtonFocusTest, TabDrawsTheInkFrameAlongTheEdgeOfTheFocusedButtonOnly) {
    ASSERT_TRUE(first.hasFocus());
    EXPECT_TRUE(Unframed(first)) << "focus that no key brought";

    QTest::keyClick(&first, Qt::Key_Tab);
    ASSERT_TRUE(second.hasFocus());
    EXPECT_TRUE(second.HasKeyboardFocus());
    EXPECT_TRUE(Unframed(first));
    EXPECT_TRUE(Framed(second));

    QTest::keyClick(&second, Qt::Key_Backtab);
    ASSERT_TRUE(first.hasFocus());
    EXPECT_TRUE(Framed(first));
    EXPECT_TRUE(Unframed(second));
}

TEST_F(SkinButtonFocusTest, AClickGivesTheFocusWithoutAFrameAndTakesAwayAFrameShown) {
    QTest::mouseClick(&second, Qt::LeftButton);
    ASSERT_TRUE(second.hasFocus());
    EXPECT_FALSE(second.HasKeyboardFocus());
    EXPECT_TRUE(Unframed(second));

    QTest::keyClick(&second, Qt::Key_Backtab);
    ASSERT_TRUE(Framed(first));
    QSignalSpy frame(&first, &CSkinButton::keyboardFocusChanged);
    QTest::mouseClick(&first, Qt::LeftButton);
    EXPECT_TRUE(first.hasFocus());
    EXPECT_TRUE(Unframed(first));
    ASSERT_EQ(frame.count(), 1);
    EXPECT_FALSE(frame.front().front().toBool());
}

// Focus the program hands out (a page shown, a dialog closed) is framed while the user goes by the keyboard:
// after Tab, not after a click, and not for a Space or an Esc alone.
TEST_F(SkinButtonFocusTest, FocusGivenByTheProgramIsFramedOnlyWhileTheUserGoesByTheKeyboard) {
    second.setFocus(Qt::OtherFocusReason);
    EXPECT_TRUE(Unframed(second)) << "no input yet";
    QTest::keyClick(&second, Qt::Key_Escape);
    first.setFocus(Qt::OtherFocusReason);
    EXPECT_TRUE(Unframed(first)) << "Esc moves no focus";

    QTest::keyClick(&first, Qt::Key_Tab);
    ASSERT_TRUE(second.hasFocus());
    first.setFocus(Qt::OtherFocusReason);
    EXPECT_TRUE(Framed(first));

    QTest::mouseClick(&page, Qt::LeftButton, {}, QPoint(5, 5));
    second.setFocus(Qt::OtherFocusReason);
    EXPECT_TRUE(Unframed(second));
    EXPECT_TRUE(Unframed(first));
}

TEST_F(SkinButtonFocusTest, ALabelIsPassedByTabAndNeverFramed) {
    EXPECT_EQ(label.focusPolicy(), Qt::NoFocus);
    QTest::keyClick(&first, Qt::Key_Tab);
    QTest::keyClick(&second, Qt::Key_Tab);
    EXPECT_TRUE(first.hasFocus()) << "Tab went round past the label";
    // Even focus forced on it by the program draws no frame.
    label.setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(label.hasFocus());
    EXPECT_TRUE(Unframed(label));
}

TEST_F(SkinButtonFocusTest, EnterPressesTheFocusedButtonAsSpaceDoesButNeverALabel) {
    QSignalSpy clicks(&first, &QAbstractButton::clicked);
    QTest::keyClick(&first, Qt::Key_Return);
    QTest::keyClick(&first, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(&first, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 3);
    QTest::keyClick(&first, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(clicks.count(), 3) << "Ctrl+Enter is not a press";

    QSignalSpy labelClicks(&label, &QAbstractButton::clicked);
    QTest::keyClick(&label, Qt::Key_Return);
    EXPECT_EQ(labelClicks.count(), 0);
}

TEST_F(SkinButtonFocusTest, AssistiveTechnologyHearsAButtonALabelAndAnOption) {
    first.setAccessibleName(QStringLiteral("确定"));
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(&first);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->role(), QAccessible::Button);
    EXPECT_EQ(button->text(QAccessible::Name), QStringLiteral("确定"));
    EXPECT_TRUE(button->state().focusable);

    QAccessibleInterface* text = QAccessible::queryAccessibleInterface(&label);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->role(), QAccessible::StaticText);
    EXPECT_EQ(text->text(QAccessible::Name), QStringLiteral("新玩家"));
    label.setText(QStringLiteral("李明小姐"));
    EXPECT_EQ(text->text(QAccessible::Name), QStringLiteral("李明小姐"));
    EXPECT_FALSE(text->state().focusable);

    second.SetRole(CSkinButton::ButtonRole::Option);
    second.setAccessibleName(QStringLiteral("小姐"));
    QAccessibleInterface* option = QAccessible::queryAccessibleInterface(&second);
    ASSERT_NE(option, nullptr);
    EXPECT_EQ(option->role(), QAccessible::RadioButton);
    EXPECT_EQ(option->text(QAccessible::Name), QStringLiteral("小姐"));
    EXPECT_TRUE(option->state().checkable);
    EXPECT_FALSE(option->state().checked);
    second.SetOptionChosen(true);
    EXPECT_TRUE(option->state().checked);

    // The option can be chosen from the assistive technology, as a click would.
    QSignalSpy clicked(&second, &QAbstractButton::clicked);
    QAccessibleActionInterface* actions = option->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicked.count(), 1);
}

}  // namespace
