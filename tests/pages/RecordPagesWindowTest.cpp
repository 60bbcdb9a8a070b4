// SPDX-License-Identifier: GPL-3.0-or-later
// The records page and the player page inside the real main window: opened from the store by the
// navigation, and what the main window does with the messages they post. A second copy of the program on the
// same file is a second store: two application objects cannot live in one process.
#include <gtest/gtest.h>

#include <QInputDialog>
#include <QMessageBox>
#include <QTest>
#include <algorithm>
#include <array>
#include <memory>

#include "app/CMainDlg.h"
#include "app/CNavPanel.h"
#include "pages/CDateInputDlg.h"
#include "pages/CHistoryPage.h"
#include "pages/CPlayerPage.h"
#include "pages/CStartPage.h"
#include "shell/CNoticeDlg.h"
#include "tests/pages/PageStoreFixture.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/StoreRecords.h"

namespace {

class RecordPagesWindowTest : public PageStoreFixture {
protected:
    void TearDown() override {
        window.reset();
        PageStoreFixture::TearDown();
    }
    // The main window of a program started on the file, as start-up opens it.
    CMainDlg& Start() {
        OpenStore();
        window = std::make_unique<CMainDlg>(*app);
        window->show();
        return *window;
    }
    template <class Page>
    Page* OpenView(int kind) {
        PostMessageTo(window.get(), WM_OPENVIEW, kind, 0);
        DeliverPosted();
        return dynamic_cast<Page*>(window->pageContainer.Page(CMainDlg::kRecordsOrPlayerSlot));
    }
    bool HomeView() const { return window->navContainer.isVisible() && !window->pageContainer.isVisible(); }
    // The panel's 周易预测号码 and the date dialog with today and an issue: OK, and cancel when it stays
    // open. True when a prediction started.
    bool StartPrediction() {
        ModalAnswer<CNoticeDlg> dateNotice([](CNoticeDlg& notice) { notice.accept(); });
        ModalAnswer<CDateInputDlg> dateDialog([](CDateInputDlg& dialog) {
            dialog.issueEdit.setText(QStringLiteral("10064"));
            dialog.okButton.click();
            if (dialog.isVisible()) {
                dialog.cancelButton.click();
            }
        });
        auto* panel = dynamic_cast<CNavPanel*>(window->navContainer.Page(0));
        panel->predictButton.click();
        DeliverPosted();
        return dynamic_cast<CStartPage*>(window->pageContainer.Page(CMainDlg::kStepSlot)) != nullptr &&
               window->pageContainer.isVisible();
    }

    FixedClock clock{2010, 3, 5, 9, 0, 0};
    std::unique_ptr<CMainDlg> window;
};

const std::array<std::string, 8> kCodes = {"386", "012", "907", "555", "243", "555", "659", "760"};
const RecordedMessage kAlreadyPredicted{Messages::kDayTaken};

TEST_F(RecordPagesWindowTest, AResultEnteredInTheWindowIsStoredAndBackReturnsHome) {
    AddRecord(1, "2010-03-01 00:00:00", {"386", "012", "907", "555", "243", "555", "659", "760"});
    Start();

    CHistoryPage* records = OpenView<CHistoryPage>(20);
    ASSERT_NE(records, nullptr);
    ASSERT_TRUE(records->isVisible());
    ASSERT_EQ(records->list.rowCount(), 1);
    records->list.setCurrentCell(0, 0);
    records->drawNumberEdit.setText(QStringLiteral("907"));
    records->confirmButton.setFocus();
    records->confirmButton.click();
    EXPECT_EQ(Rows("SELECT open_data, is_right FROM data_history"),
              (std::vector<std::vector<std::string>>{{"907", "3"}}));
    // The entry is gone; its focus went back to the list, not on to the issue box.
    EXPECT_EQ(window->focusWidget(), &records->list);

    records->backButton.click();
    DeliverPosted();
    EXPECT_TRUE(HomeView());
    EXPECT_TRUE(messages.empty());
}

// The focus leaves the hidden panel for the page when it opens; the list opens on the record whose result
// is due.
TEST_F(RecordPagesWindowTest, TheRecordsOpenOnTheRecordDueWhenClickedInTheActiveWindow) {
    const std::array<std::string, 8> codes = {"386", "012", "907", "555", "243", "555", "659", "760"};
    AddRecord(1, "2010-03-01 00:00:00", codes, 0, "123");
    AddRecord(2, "2010-03-02 00:00:00", codes);
    AddRecord(3, "2010-03-03 00:00:00", codes, 0, "321");
    CMainDlg& main = Start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    auto* panel = dynamic_cast<CNavPanel*>(main.navContainer.Page(0));
    ASSERT_NE(panel, nullptr);
    QTest::mouseClick(&panel->recordsButton, Qt::LeftButton);
    DeliverPosted();

    auto* records = dynamic_cast<CHistoryPage*>(main.pageContainer.Page(CMainDlg::kRecordsOrPlayerSlot));
    ASSERT_NE(records, nullptr);
    ASSERT_TRUE(records->isVisible());
    EXPECT_EQ(records->selectedRow, 1);
    EXPECT_EQ(records->issueEdit.Text(), QStringLiteral("10002"));
    EXPECT_TRUE(records->drawNumberEdit.isVisible());
    EXPECT_EQ(records->list.currentRow(), 1);

    // The draw-number box holds the focus, not 退出: a Space now does nothing, and back home the focus is on
    // the panel.
    EXPECT_EQ(QApplication::focusWidget(), &records->drawNumberEdit);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    DeliverPosted();
    EXPECT_TRUE(main.isVisible());
    EXPECT_TRUE(records->isVisible());
    records->backButton.click();
    DeliverPosted();
    EXPECT_EQ(QApplication::focusWidget(), &panel->predictButton);
}

// Tab walks the list, the draw number, 确定, 返回 and only then 退出; the issue box, which shows the selected
// record's issue, is passed by. Shift+Tab from the box goes back to the list.
TEST_F(RecordPagesWindowTest, TabGoesFromTheListToTheDrawNumberAndReachesExitLast) {
    AddRecord(1, "2010-03-01 00:00:00", kCodes);
    CMainDlg& main = Start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    auto* records = OpenView<CHistoryPage>(20);
    ASSERT_NE(records, nullptr);
    ASSERT_EQ(QApplication::focusWidget(), &records->drawNumberEdit);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), &records->list);
    std::vector<QWidget*> walked;
    for (int step = 0; step < 4; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(walked, (std::vector<QWidget*>{&records->drawNumberEdit, &records->confirmButton,
                                             &records->backButton, &main.exitButton}));
    EXPECT_EQ(records->issueEdit.editor()->focusPolicy() & Qt::TabFocus, 0);
}

TEST_F(RecordPagesWindowTest, ASavedProfileRelabelsTheMainWindow) {
    CMainDlg& main = Start();
    ASSERT_EQ(main.playerLabel.text(), QStringLiteral("新玩家    "));

    CPlayerPage* player = OpenView<CPlayerPage>(30);
    ASSERT_NE(player, nullptr);
    ASSERT_TRUE(player->isVisible());
    player->nameEdit.setText(QStringLiteral("王芳"));
    player->femaleButton.click();
    player->zodiacCombo.setCurrentIndex(3);
    player->saveButton.click();
    DeliverPosted();

    EXPECT_EQ(main.playerLabel.text(), QStringLiteral("王芳小姐"));
    EXPECT_EQ(main.zodiacLabel.text(), QStringLiteral("兔"));
    player->backButton.click();
    DeliverPosted();
    EXPECT_TRUE(HomeView());
}

// The other copy saves today's prediction after this one started: this one's date dialog refuses today.
TEST_F(RecordPagesWindowTest, ADaySavedByTheOtherCopyIsRefusedByThisCopysDateDialog) {
    Start();
    CPredictStore otherCopy;
    EXPECT_EQ(otherCopy.OpenDatabase(database), OpenOutcome::opened);
    otherCopy.LoadHistory();
    ASSERT_TRUE(SaveRecord(otherCopy, COleDateTime(2010, 3, 5, 8, 0, 0), "10064", kCodes));

    EXPECT_FALSE(StartPrediction());

    EXPECT_EQ(messages, std::vector<RecordedMessage>{kAlreadyPredicted});
    EXPECT_TRUE(HomeView());
    EXPECT_EQ(Rows("SELECT count(*) FROM data_history"), (std::vector<std::vector<std::string>>{{"1"}}));
}

// 399 predictions: the date dialog says the history is full; removing one from the records list's menu makes
// room, and the next prediction starts.
// A full history asks to archive the oldest record that has its result, and the prediction goes on.
TEST_F(RecordPagesWindowTest, AFullHistoryIsNoDeadEnd) {
    FillHistory("000", 0);
    Start();
    ModalAnswer<QMessageBox> question([](QMessageBox& box) {
        for (QAbstractButton* button : box.buttons()) {
            if (button->text() == QStringLiteral("归档并继续")) {
                button->click();
            }
        }
    });
    EXPECT_TRUE(StartPrediction());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Rows("SELECT count(*) FROM data_history"), (std::vector<std::vector<std::string>>{{"398"}}));
    EXPECT_EQ(Rows("SELECT count(*) FROM data_archive"), (std::vector<std::vector<std::string>>{{"1"}}));
}

}  // namespace
