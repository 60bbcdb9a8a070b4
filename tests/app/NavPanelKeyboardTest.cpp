// SPDX-License-Identifier: GPL-3.0-or-later
// The home view for a keyboard user: Tab along the panel shows each button's card as the pointer would, but
// without the chime, and shows the ink focus frame on the button; 关于 and 退出 have no card; a click takes
// the frame away; a dialog or a page never has a card over it, and the card comes back with the focus.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QTest>
#include <memory>

#include "app/CMainDlg.h"
#include "app/CNavPanel.h"
#include "pages/CDateInputDlg.h"
#include "tests/support/AppFixture.h"
#include "tests/support/ModalAnswer.h"

namespace {

const QColor kInk = ToQColor(CSkinButton::kFocusFrameColour);

class NavPanelKeyboardTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        QCursor::setPos(0, 0);
        window = std::make_unique<CMainDlg>(*app);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        panel = dynamic_cast<CNavPanel*>(window->navContainer.Page(0));
        ASSERT_NE(panel, nullptr);
        ASSERT_TRUE(panel->predictButton.hasFocus());
    }
    void TearDown() override {
        window.reset();
        AppFixture::TearDown();
    }

    // A key to the focused widget, then whatever it posted.
    void Press(Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget(), key);
        DeliverPosted();
    }
    void MoveOnto(QWidget& widget) {
        QTest::mouseMove(&widget, widget.rect().center());
        DeliverPosted();
    }
    bool CardShown(const char* file) const {
        return window->picture.isVisible() && window->picture.PictureFile() == QString::fromLatin1(file);
    }
    // The ink pixels along the button's edge, in the main window as it shows on screen.
    int InkAround(const QWidget& button) {
        const QImage image = window->grab().toImage();
        const QRect r(button.mapTo(window.get(), QPoint(0, 0)), button.size());
        int ink = 0;
        for (int x = r.left(); x <= r.right(); ++x) {
            ink += (image.pixelColor(x, r.top()) == kInk) + (image.pixelColor(x, r.bottom()) == kInk);
        }
        for (int y = r.top() + 1; y < r.bottom(); ++y) {
            ink += (image.pixelColor(r.left(), y) == kInk) + (image.pixelColor(r.right(), y) == kInk);
        }
        return ink;
    }
    static int Perimeter(const QWidget& button) { return 2 * button.width() + 2 * (button.height() - 2); }

    std::unique_ptr<CMainDlg> window;
    CNavPanel* panel = nullptr;
};

TEST_F(NavPanelKeyboardTest, AtStartTheFirstButtonHasTheFocusButNeitherFrameNorCard) {
    EXPECT_FALSE(panel->predictButton.HasKeyboardFocus());
    EXPECT_EQ(InkAround(panel->predictButton), 0);
    EXPECT_FALSE(window->picture.isVisible());
}

TEST_F(NavPanelKeyboardTest, TabAlongThePanelShowsEachCardWithoutTheChimeAndAboutHidesIt) {
    Press(Qt::Key_Tab);
    EXPECT_TRUE(CardShown("history.mid"));
    Press(Qt::Key_Tab);
    EXPECT_TRUE(CardShown("player.mid"));
    Press(Qt::Key_Tab);
    EXPECT_TRUE(CardShown("answer.mid"));
    Press(Qt::Key_Tab);
    ASSERT_TRUE(panel->aboutButton.hasFocus());
    EXPECT_FALSE(window->picture.isVisible()) << "关于 has no card";
    Press(Qt::Key_Tab);
    ASSERT_TRUE(window->exitButton.hasFocus());
    EXPECT_FALSE(window->picture.isVisible());
    Press(Qt::Key_Tab);
    EXPECT_TRUE(CardShown("select.mid")) << "Tab comes round to the first button";
    Press(Qt::Key_Backtab);
    EXPECT_FALSE(window->picture.isVisible()) << "focus on 退出";
    EXPECT_EQ(sounds, 0);
}

TEST_F(NavPanelKeyboardTest, TheFocusedButtonAloneWearsTheInkFrame) {
    Press(Qt::Key_Tab);
    ASSERT_TRUE(panel->recordsButton.HasKeyboardFocus());
    EXPECT_EQ(InkAround(panel->recordsButton), Perimeter(panel->recordsButton));
    EXPECT_EQ(InkAround(panel->predictButton), 0);

    Press(Qt::Key_Tab);
    EXPECT_EQ(InkAround(panel->recordsButton), 0);
    EXPECT_EQ(InkAround(panel->playerButton), Perimeter(panel->playerButton));
}

TEST_F(NavPanelKeyboardTest, AClickAfterTheKeyboardLeavesNoFrameAndTakesTheFocusCardAway) {
    Press(Qt::Key_Tab);
    ASSERT_TRUE(CardShown("history.mid"));

    // 答疑 opens the help, which is not there: the panel stays.
    QTest::mouseClick(&panel->answersButton, Qt::LeftButton);
    DeliverPosted();

    ASSERT_TRUE(panel->answersButton.hasFocus());
    EXPECT_EQ(InkAround(panel->predictButton), 0);
    EXPECT_EQ(InkAround(panel->recordsButton), 0);
    EXPECT_EQ(InkAround(panel->answersButton), 0);
    EXPECT_FALSE(window->picture.isVisible());
}

TEST_F(NavPanelKeyboardTest, ThePointerStillChimesAndKeepsItsCardWhenTheFocusLeaves) {
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    ASSERT_TRUE(CardShown("answer.mid"));
    EXPECT_EQ(sounds, 0);

    MoveOnto(panel->recordsButton);
    EXPECT_TRUE(CardShown("history.mid"));
    EXPECT_EQ(sounds, 1);

    // The focus moves to 关于: the card the pointer brought up stays.
    Press(Qt::Key_Tab);
    EXPECT_TRUE(CardShown("history.mid"));
    EXPECT_EQ(sounds, 1);
}

// Space on 周易预测号码 opens the date dialog: no card over it. Esc closes it and the focus, back on the
// button, brings its card back.
TEST_F(NavPanelKeyboardTest, NoCardWhileTheDateDialogIsUpAndTheCardReturnsWithTheFocus) {
    Press(Qt::Key_Tab);
    Press(Qt::Key_Backtab);
    ASSERT_TRUE(CardShown("select.mid"));
    bool cardOverDialog = true;
    ModalAnswer<CDateInputDlg> answer([&](CDateInputDlg& dialog) {
        DeliverPosted();
        cardOverDialog = window->picture.isVisible();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });

    Press(Qt::Key_Space);

    ASSERT_EQ(answer.Count(), 1);
    EXPECT_FALSE(cardOverDialog);
    // The window manager gives the main window back its activation; the offscreen platform has none to do it.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_TRUE(QTest::qWaitFor([this] {
        DeliverPosted();
        return CardShown("select.mid");
    }));
    EXPECT_TRUE(panel->predictButton.HasKeyboardFocus());
    EXPECT_EQ(sounds, 0);
}

TEST_F(NavPanelKeyboardTest, APageOpenedFromTheKeyboardHasNoCardAndHomeBringsItBack) {
    Press(Qt::Key_Tab);
    ASSERT_TRUE(CardShown("history.mid"));

    Press(Qt::Key_Space);
    ASSERT_TRUE(window->pageContainer.isVisible());
    EXPECT_FALSE(window->picture.isVisible());

    // The records page's 返回 by the keyboard: Tab to it (it is the last of the page's controls), Space.
    CPageDialog* records = window->pageContainer.Page(CMainDlg::kRecordsOrPlayerSlot);
    ASSERT_NE(records, nullptr);
    for (int i = 0; i < 8 && !window->navContainer.isVisible(); ++i) {
        Press(Qt::Key_Tab);
        if (QApplication::focusWidget() != nullptr &&
            QApplication::focusWidget()->accessibleName() == QStringLiteral("返回")) {
            Press(Qt::Key_Space);
        }
        EXPECT_FALSE(window->picture.isVisible() && window->pageContainer.isVisible());
    }
    ASSERT_TRUE(window->navContainer.isVisible()) << "返回 was not reached by Tab";
    EXPECT_TRUE(CardShown("select.mid"));
    EXPECT_EQ(sounds, 0);
}

}  // namespace
