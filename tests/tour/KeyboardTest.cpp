// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard: Enter and Esc in every dialog of the program, and Tab through the fields of the date dialog,
// the navigation panel and the pages with fields of their own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <vector>

#include "app/CMainDlg.h"
#include "controls/PostedMessage.h"
#include "core/Cast.h"
#include "pages/CDateInputDlg.h"
#include "pages/CHistoryPage.h"
#include "pages/CNumberPage.h"
#include "pages/CPlayerPage.h"
#include "pages/CShowGuaPage.h"
#include "shell/CAboutDlg.h"
#include "shell/CNoticeDlg.h"
#include "tests/support/AppFixture.h"
#include "tests/support/FixedClock.h"

namespace {

class KeyboardTest : public AppFixture {
protected:
    // Presses key on whatever has the focus in window (the window itself when nothing has).
    static void Press(QWidget& window, Qt::Key key) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr && focus->window() == &window ? focus : &window, key);
    }
    // The widgets that get the focus, in order, while Tab is pressed count times from start.
    static std::vector<QWidget*> TabChain(QWidget& start, int count) {
        start.window()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(start.window()));
        start.setFocus();
        std::vector<QWidget*> chain;
        for (int i = 0; i < count; ++i) {
            QWidget* focus = QApplication::focusWidget();
            chain.push_back(focus);
            QTest::keyClick(focus != nullptr ? focus : &start, Qt::Key_Tab);
        }
        return chain;
    }
    static int IndexOf(const std::vector<QWidget*>& chain, const QWidget* widget) {
        for (std::size_t i = 0; i < chain.size(); ++i) {
            if (chain[i] == widget) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
};

TEST_F(KeyboardTest, EnterInTheDateDialogRunsTheChecksAndEscCancels) {
    FixedClock clock(2009, 6, 17, 10, 0, 0);
    CDateInputDlg blank(*app, app->state, OpenHelp);
    blank.show();
    Press(blank, Qt::Key_Return);  // no issue yet: refused, still open
    EXPECT_TRUE(blank.isVisible());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], RecordedMessage(Messages::kNoIssue));

    CDateInputDlg filled(*app, app->state, OpenHelp);
    filled.show();
    filled.issueEdit.setFocus();
    QTest::keyClicks(&filled.issueEdit, QStringLiteral("2009160"));
    Press(filled, Qt::Key_Return);
    EXPECT_FALSE(filled.isVisible());
    EXPECT_EQ(filled.result(), QDialog::Accepted);

    CDateInputDlg cancelled(*app, app->state, OpenHelp);
    cancelled.show();
    Press(cancelled, Qt::Key_Escape);
    EXPECT_FALSE(cancelled.isVisible());
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
}

TEST_F(KeyboardTest, EnterAnswersEachNoticeWithItsFirstButtonAndEscCancels) {
    for (const NoticeMode mode : {NoticeMode::dateNotPredictable, NoticeMode::saveQuestion}) {
        SCOPED_TRACE(mode == NoticeMode::dateNotPredictable ? "date notice" : "save question");
        CNoticeDlg entered;
        entered.noticeMode = mode;
        entered.show();
        Press(entered, Qt::Key_Return);
        EXPECT_FALSE(entered.isVisible());
        EXPECT_EQ(entered.result(), QDialog::Accepted);

        CNoticeDlg escaped;
        escaped.noticeMode = mode;
        escaped.show();
        Press(escaped, Qt::Key_Escape);
        EXPECT_FALSE(escaped.isVisible());
        EXPECT_EQ(escaped.result(), QDialog::Rejected);
    }
}

TEST_F(KeyboardTest, EnterAndEscBothCloseTheAboutBox) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        CAboutDlg about;
        about.show();
        Press(about, key);
        EXPECT_FALSE(about.isVisible()) << key;
    }
}

TEST_F(KeyboardTest, TabLeadsFromTheDateToTheIssueAndOnToTheButtons) {
    FixedClock clock(2009, 6, 17);
    CDateInputDlg dialog(*app, app->state, OpenHelp);
    dialog.show();
    // Within the picker Tab first steps through day, month and year, as a date field does.
    const std::vector<QWidget*> chain = TabChain(dialog.datePicker, 8);
    const int issue = IndexOf(chain, &dialog.issueEdit);
    ASSERT_GT(issue, 0);
    EXPECT_LE(issue, 3);
    EXPECT_EQ(IndexOf(chain, &dialog.okButton), issue + 1);
    EXPECT_EQ(IndexOf(chain, &dialog.cancelButton), issue + 2);
}

// The code boxes only show the codes: Tab goes from button to button past them. (The panel's own order is
// walked key by key with its cards in NavPanelKeyboardTest.)
TEST_F(KeyboardTest, TabWalksTheNumberPageButtonsPastTheCodes) {
    app->random.Fill(20090617);
    app->state.drawDate = COleDateTime(2009, 6, 17);
    EXPECT_TRUE(app->state.lunar.Convert(app->state.drawDate));
    CastFromNumber(app->state, 4721);
    CMainDlg main(*app);
    main.show();
    for (const auto& [stage, code] : {std::pair{12, 13}, std::pair{13, 14}}) {
        PostMessageTo(&main, WM_NAVIGATE, stage, code);
        DeliverPosted();
    }
    auto* numbers = dynamic_cast<CNumberPage*>(main.pageContainer.Page(CMainDlg::kNumberSlot));
    ASSERT_NE(numbers, nullptr);
    ASSERT_TRUE(numbers->isVisible());
    const std::vector<QWidget*> buttonChain = TabChain(numbers->saveButton, 12);
    EXPECT_EQ(std::vector<QWidget*>(buttonChain.begin(), buttonChain.begin() + 3),
              (std::vector<QWidget*>{&numbers->saveButton, &numbers->previousButton, &numbers->backButton}));
    for (const CColorEdit* box : numbers->codeEdits) {
        EXPECT_EQ(IndexOf(buttonChain, box->editor()), -1);
    }
}

TEST_F(KeyboardTest, TabLeavesTheNameBoxesOfTheShowPageAndPassesTheDateLabelsBy) {
    app->state.drawDate = COleDateTime(2009, 6, 17);
    EXPECT_TRUE(app->state.lunar.Convert(app->state.drawDate));
    CastFromNumber(app->state, 4721);
    CMainDlg main(*app);
    main.show();
    PostMessageTo(&main, WM_NAVIGATE, 11, 12);
    DeliverPosted();
    auto* show = dynamic_cast<CShowGuaPage*>(main.pageContainer.Page(CMainDlg::kStepSlot));
    ASSERT_NE(show, nullptr);
    const QString name = show->mainNameEdit.Text();

    const std::vector<QWidget*> chain = TabChain(*show->mainNameEdit.editor(), 6);

    EXPECT_EQ(show->mainNameEdit.Text(), name);  // no tab typed into the box
    EXPECT_NE(chain[1], chain[0]);
    EXPECT_EQ(IndexOf(chain, &show->sexagenaryLabel), -1);
    EXPECT_EQ(IndexOf(chain, &show->calendarLabel), -1);
    EXPECT_EQ(IndexOf(chain, &main.playerLabel), -1);
    EXPECT_EQ(IndexOf(chain, &main.zodiacLabel), -1);
}

TEST_F(KeyboardTest, TabLeavesTheRecordsListForTheButtons) {
    CMainDlg main(*app);
    main.show();
    PostMessageTo(&main, WM_OPENVIEW, 20, 0);
    DeliverPosted();
    auto* records = dynamic_cast<CHistoryPage*>(main.pageContainer.Page(0));
    ASSERT_NE(records, nullptr);
    const std::vector<QWidget*> chain = TabChain(records->list, 4);
    EXPECT_NE(chain[1], &records->list);
    EXPECT_NE(IndexOf(chain, &records->backButton), -1);
}

TEST_F(KeyboardTest, TabFollowsThePlayerFormFromTheNameDownToTheChartLabels) {
    CMainDlg main(*app);
    main.show();
    PostMessageTo(&main, WM_OPENVIEW, 30, 0);
    DeliverPosted();
    auto* player = dynamic_cast<CPlayerPage*>(main.pageContainer.Page(0));
    ASSERT_NE(player, nullptr);
    const std::vector<QWidget*> chain = TabChain(player->nameEdit, 23);
    std::vector<QWidget*> expected = {&player->nameEdit,
                                      &player->maleButton,
                                      &player->femaleButton,
                                      &player->zodiacCombo,
                                      &player->saveButton,
                                      &player->backButton,
                                      player->fortuneCodeEdit.editor(),
                                      &player->applyCodeButton,
                                      &player->fortuneHelpButton,
                                      player->startYearEdit.editor()};
    for (CColorEdit* box : player->monthEdits) {
        expected.push_back(box->editor());
    }
    expected.push_back(player->nextYearEdit.editor());
    EXPECT_EQ(chain, expected);
}

}  // namespace
