// The records page and the player page inside the real main window: opened from the store by the
// navigation, and what the main window does with the messages they post.
#include <gtest/gtest.h>

#include <memory>

#include "pages/CHistoryPage.h"
#include "pages/CPlayerPage.h"
#include "shell/CMainDlg.h"
#include "tests/pages/PageStoreFixture.h"
#include "tests/support/FixedClock.h"

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
        window = std::make_unique<CMainDlg>();
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

    FixedClock clock{2010, 3, 5, 9, 0, 0};
    std::unique_ptr<CMainDlg> window;
};

TEST_F(RecordPagesWindowTest, AResultEnteredInTheWindowIsStoredAndBackReturnsHome) {
    AddRecord(1, "2010-03-01 00:00:00", {"386", "012", "907", "555", "243", "555", "659", "760"});
    Start();

    CHistoryPage* records = OpenView<CHistoryPage>(20);
    ASSERT_NE(records, nullptr);
    ASSERT_TRUE(records->isVisible());
    ASSERT_EQ(records->list.rowCount(), 1);
    records->list.setCurrentCell(0, 0);
    records->drawNumberEdit.setText(QStringLiteral("907"));
    records->confirmButton.click();
    EXPECT_EQ(Rows("SELECT open_data, is_right FROM data_history"),
              (std::vector<std::vector<std::string>>{{"907", "3"}}));

    records->backButton.click();
    DeliverPosted();
    EXPECT_TRUE(HomeView());
    EXPECT_TRUE(messages.empty());
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

}  // namespace
