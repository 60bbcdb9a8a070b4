// SPDX-License-Identifier: GPL-3.0-or-later
// Whole predictions through the real main window and a real database file: a date confirmed in the date
// dialog, the cast, the make page's own timer, the show, explanation and number pages, and the saved row.
#include <gtest/gtest.h>

#include <QDate>
#include <QPointer>
#include <QTest>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/CMainDlg.h"
#include "controls/PostedMessage.h"
#include "pages/CDateInputDlg.h"
#include "pages/CExplainPage.h"
#include "pages/CHistoryPage.h"
#include "pages/CMakeGuaPage.h"
#include "pages/CNumberPage.h"
#include "pages/CShowGuaPage.h"
#include "pages/CStartPage.h"
#include "shell/CNoticeDlg.h"
#include "tests/pages/PagesTestSupport.h"
#include "tests/support/AppFixture.h"
#include "tests/support/EditionScope.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ModalAnswer.h"

namespace {

class PredictionWalkTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        dbPath = FreshDatabase(dir.path());
        app->OpenDatabase();
        app->LoadPlayer();
        app->LoadHistory();
        app->random.Fill(1267753267);
        window = std::make_unique<CMainDlg>(*app);
        window->show();
        notices =
            std::make_unique<ModalAnswer<CNoticeDlg>>([](CNoticeDlg& notice) { notice.saveButton.click(); });
    }
    void TearDown() override {
        notices.reset();
        window.reset();
        AppFixture::TearDown();
    }

    template <class Page>
    Page* Step() const {
        return dynamic_cast<Page*>(window->pageContainer.Page(CMainDlg::kStepSlot));
    }
    // The first panel button with this date and issue typed into the date dialog. When the dialog is
    // expected to refuse, it is cancelled after the refusal.
    void ConfirmDate(QDate date, const QString& issue, bool accepted = true) {
        ModalAnswer<CDateInputDlg> answer([&](CDateInputDlg& dialog) {
            dialog.datePicker.setDate(date);
            dialog.issueEdit.setText(issue);
            dialog.okButton.click();
            EXPECT_EQ(dialog.isVisible(), !accepted);
            if (dialog.isVisible()) {
                dialog.cancelButton.click();
            }
        });
        PostMessageTo(window.get(), WM_OPENVIEW, 15, 0);
        DeliverPosted();
        ASSERT_EQ(answer.Count(), 1);
    }
    void Click(QAbstractButton& button) {
        button.click();
        DeliverPosted();
    }
    // Cast, then let the make page's own timer run until it has asked for the show page.
    CShowGuaPage* CastAndWait() {
        Click(Step<CStartPage>()->castButton);
        EXPECT_NE(Step<CMakeGuaPage>(), nullptr);
        EXPECT_TRUE(QTest::qWaitFor([this] { return Step<CShowGuaPage>() != nullptr; }, 10000));
        return Step<CShowGuaPage>();
    }

    std::string dbPath;
    std::unique_ptr<CMainDlg> window;
    std::unique_ptr<ModalAnswer<CNoticeDlg>> notices;
};

TEST_F(PredictionWalkTest, APredictionRunsFromTheDateToASavedRow) {
    FixedClock clock(2010, 3, 5, 9, 41, 7);
    ConfirmDate(QDate(2010, 3, 6), QStringLiteral("10060"));
    CShowGuaPage* show = CastAndWait();
    ASSERT_NE(show, nullptr);
    const PredictionState& state = app->state;
    EXPECT_EQ(show->sexagenaryLabel.text(), QStringLiteral("庚寅年己卯月乙卯日"));
    EXPECT_EQ(show->calendarLabel.text(), QStringLiteral("公历:2010-3-6  农历:一月二十一"));
    EXPECT_EQ(show->mainName.toStdString(), state.mainGua->hexagramName);
    EXPECT_EQ(show->mutualName.toStdString(), state.mutualGua->hexagramName);
    EXPECT_EQ(show->changedNameEdit.Text().toStdString(), state.changedGua->hexagramName);
    EXPECT_EQ(show->mainLower.PictureFile().toStdString(), state.mainGua->LowerPicture());

    Click(show->nextButton);
    auto* explain = Step<CExplainPage>();
    ASSERT_NE(explain, nullptr);
    EXPECT_EQ(window->pageContainer.height(), 500);
    EXPECT_TRUE(explain->judgementSummary.startsWith(QStringLiteral("主卦： ") +
                                                     QString::fromStdString(state.mainGua->judgementText)));

    Click(explain->nextButton);
    auto* numbers = dynamic_cast<CNumberPage*>(window->pageContainer.Page(CMainDlg::kNumberSlot));
    ASSERT_NE(numbers, nullptr);
    Click(numbers->saveButton);
    EXPECT_EQ(messages, std::vector<RecordedMessage>{kSaved});
    std::vector<std::string> row = {"1", "2010-03-06 09:41:07", "10060"};
    row.insert(row.end(), numbers->codes.begin(), numbers->codes.end());
    row.insert(row.end(), {"未知", "11"});
    EXPECT_EQ(HistoryRows(dbPath), std::vector<std::vector<std::string>>{row});

    // Back to the same explanation, forward to the same number page: still saved.
    Click(numbers->previousButton);
    EXPECT_EQ(Step<CExplainPage>(), explain);
    Click(explain->nextButton);
    EXPECT_EQ(window->pageContainer.Page(CMainDlg::kNumberSlot), numbers);
    Click(numbers->saveButton);
    EXPECT_EQ(messages, (std::vector<RecordedMessage>{kSaved, kAlreadySaved}));
    EXPECT_EQ(HistoryRows(dbPath).size(), 1u);
}

TEST_F(PredictionWalkTest, TheStartWheelGoesOnWhereTheLastPredictionLeftIt) {
    FixedClock clock(2010, 3, 5, 9, 41, 7);
    ConfirmDate(QDate(2010, 3, 8), QStringLiteral("10062"));
    QPointer<CStartPage> first = Step<CStartPage>();
    ASSERT_TRUE(QTest::qWaitFor([&] { return first->animation.PictureSet(); }, 5000));
    Click(first->backButton);
    // Home again, the page stays in its slot and its wheel keeps turning until a new prediction replaces it.
    int next = 0;
    QObject::connect(first, &QObject::destroyed, [&next] { next = CStartPage::NextFrame(); });

    ConfirmDate(QDate(2010, 3, 9), QStringLiteral("10063"));
    ASSERT_TRUE(first.isNull());
    CStartPage* second = Step<CStartPage>();
    ASSERT_TRUE(QTest::qWaitFor([&] { return second->animation.PictureSet(); }, 5000));
    EXPECT_EQ(second->animation.PictureFile(), QStringLiteral("%1.bmp").arg(next));
}

// On today's clock the program starts with its extended calendar: a whole prediction for today, and its draw
// result entered a day later.
TEST_F(PredictionWalkTest, OnTodaysClockAPredictionIsSavedAndItsDrawEnteredTheNextDay) {
    FixedClock clock(2026, 12, 7, 10, 0, 0);
    const EditionScope startUp(ChosenCalendarEdition({}));
    ConfirmDate(QDate(2026, 12, 7), QStringLiteral("2026333"));
    ASSERT_TRUE(messages.empty());
    CShowGuaPage* show = CastAndWait();
    ASSERT_NE(show, nullptr);
    EXPECT_EQ(show->sexagenaryLabel.text(), QStringLiteral("丙午年庚子月乙卯日"));
    EXPECT_EQ(show->calendarLabel.text(), QStringLiteral("公历:2026-12-7  农历:十月二十九"));
    Click(show->nextButton);
    Click(Step<CExplainPage>()->nextButton);
    auto* numbers = dynamic_cast<CNumberPage*>(window->pageContainer.Page(CMainDlg::kNumberSlot));
    ASSERT_NE(numbers, nullptr);
    Click(numbers->saveButton);
    EXPECT_EQ(messages, std::vector<RecordedMessage>{kSaved});
    std::vector<std::string> row = {"1", "2026-12-07 10:00:00", "2026333"};
    row.insert(row.end(), numbers->codes.begin(), numbers->codes.end());
    row.insert(row.end(), {"未知", "11"});
    EXPECT_EQ(HistoryRows(dbPath), std::vector<std::vector<std::string>>{row});

    clock.Advance(24 * 3600);
    Click(numbers->backButton);
    PostMessageTo(window.get(), WM_OPENVIEW, 20, 0);
    DeliverPosted();
    auto* records = dynamic_cast<CHistoryPage*>(window->pageContainer.Page(CMainDlg::kRecordsOrPlayerSlot));
    ASSERT_NE(records, nullptr);
    records->list.setCurrentCell(0, 0);
    const QString draw = QString::fromStdString(numbers->codes[2]);
    records->drawNumberEdit.setText(draw);
    records->confirmButton.click();
    ASSERT_EQ(HistoryRows(dbPath).size(), 1u);
    EXPECT_EQ(HistoryRows(dbPath)[0][11], draw.toStdString());
    // A hit on the third code, or on an earlier one equal to it.
    const auto hit = std::find(numbers->codes.begin(), numbers->codes.end(), numbers->codes[2]);
    EXPECT_EQ(HistoryRows(dbPath)[0][12], std::to_string(1 + (hit - numbers->codes.begin())));
    EXPECT_EQ(messages, std::vector<RecordedMessage>{kSaved});
}

// The edition follows the clock at start-up: the last day of 2011 still runs the classic calendar, which
// refuses 2012; the first day of 2012 runs the extended one, which takes it.
TEST_F(PredictionWalkTest, TheCalendarSwitchesBetweenTheLastDayOf2011AndTheFirstOf2012) {
    const RecordedMessage too2012{Messages::kCalendarTooOld, 2012};
    FixedClock clock(2011, 12, 31, 23, 59, 59);
    {
        const EditionScope startUp(ChosenCalendarEdition({}));
        ConfirmDate(QDate(2012, 1, 1), QStringLiteral("2012001"), false);
        EXPECT_EQ(messages, std::vector<RecordedMessage>{too2012});
    }
    messages.clear();
    clock.Advance(1);
    const EditionScope startUp(ChosenCalendarEdition({}));
    ConfirmDate(QDate(2012, 1, 1), QStringLiteral("2012001"));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(app->state.lunar.yearPillar, "辛卯");
    EXPECT_NE(Step<CStartPage>(), nullptr);
}

// A clock inside the years the classic calendar was made for changes nothing; --classic on today's clock
// brings back the classic refusal for today itself.
TEST_F(PredictionWalkTest, TheClassicCalendarRefusesEveryDrawAfter2011) {
    const RecordedMessage too2012{Messages::kCalendarTooOld, 2012};
    {
        FixedClock clock(2011, 6, 1, 10, 0, 0);
        const EditionScope startUp(ChosenCalendarEdition({}));
        ConfirmDate(QDate(2012, 1, 1), QStringLiteral("2012001"), false);
    }
    FixedClock clock(2026, 12, 7, 10, 0, 0);
    const EditionScope startUp(ChosenCalendarEdition(ParseCommandLine({"--classic"})));
    ConfirmDate(QDate(2026, 12, 7), QStringLiteral("2026333"), false);
    EXPECT_EQ(messages, (std::vector<RecordedMessage>{too2012, too2012}));
    EXPECT_TRUE(window->navContainer.isVisible()) << "a refused date leaves the home view";
}

}  // namespace
