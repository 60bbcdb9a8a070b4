// SPDX-License-Identifier: GPL-3.0-or-later
// The player page: the profile and the fortune code, each saved on its own and read back from the file; the
// chart checked on the painted page at its point pixels; the length check, the bad-level messages, the sex
// squares, an animal the list does not know, and a label box left without a number.
#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "pages/CPlayerPage.h"
#include "shell/CHelpWindow.h"
#include "tests/pages/PageStoreFixture.h"
#include "tests/support/EditionScope.h"
#include "tests/support/FixedClock.h"

namespace {

using Heights = std::array<int, 12>;
constexpr Heights kFlat = {341, 341, 341, 341, 341, 341, 341, 341, 341, 341, 341, 341};
constexpr int kMonthX[12] = {86, 133, 179, 227, 273, 320, 366, 414, 460, 507, 553, 601};

const RecordedMessage kBadLength{Messages::kFortuneCodeWrong};
const RecordedMessage kBadLevel{Messages::kNoFortuneChart};
const RecordedMessage kBadMonth{Messages::kFortuneMonthWrong};
const RecordedMessage kNotAnInteger{Messages::kNotAnInteger};

class PlayerPageTest : public PageStoreFixture {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(PageStoreFixture::SetUp());
        page = std::make_unique<CPlayerPage>(*app, OpenHelp);
    }
    // The page goes before the application whose store it was handed.
    void TearDown() override {
        page.reset();
        PageStoreFixture::TearDown();
    }
    void Open(const std::string& playerValues = "") {
        if (!playerValues.empty()) {
            Sql("UPDATE player SET " + playerValues + ";");
        }
        OpenStore();
        Show(*page);
    }
    void Apply(const QString& code) {
        page->fortuneCodeEdit.SetText(code);
        page->applyCodeButton.click();
    }
    // The fourteen label boxes, left to right.
    QStringList Labels() const {
        QStringList labels{page->startYearEdit.Text()};
        for (const CColorEdit* box : page->monthEdits) {
            labels << box->Text();
        }
        return labels << page->nextYearEdit.Text();
    }
    std::vector<std::string> StoredPlayer() const {
        const auto rows = Rows("SELECT name, sex, shuxiang, yunqi FROM player");
        return rows.empty() ? std::vector<std::string>{} : rows.front();
    }
    // Checks the painted page: a white point at each height, and no white a few pixels above or below it
    // (outside the marker and the line), so a point drawn at another level is caught.
    void ExpectChart(const Heights& heights) {
        const QImage painted = page->grab().toImage();
        for (int i = 0; i < 12; ++i) {
            const int x = kMonthX[i];
            const int y = heights[static_cast<std::size_t>(i)];
            EXPECT_EQ(painted.pixel(x, y), qRgb(255, 255, 255)) << "month " << i + 1 << " at " << y;
            EXPECT_NE(painted.pixel(x, y - 9), qRgb(255, 255, 255)) << "month " << i + 1 << " above";
            EXPECT_NE(painted.pixel(x, y + 9), qRgb(255, 255, 255)) << "month " << i + 1 << " below";
        }
        // Halfway between two points lies the line.
        const int midX = (kMonthX[0] + kMonthX[1]) / 2;
        const int midY = (heights[0] + heights[1]) / 2;
        bool lineFound = false;
        for (int dy = -1; dy <= 1; ++dy) {
            lineFound = lineFound || painted.pixel(midX, midY + dy) == qRgb(255, 255, 255);
        }
        EXPECT_TRUE(lineFound);
    }
    // Whether a sex square shows the filled face (dark centre) or the empty one (light centre).
    bool Filled(const CSkinButton& square) {
        const QImage painted = page->grab().toImage();
        const QPoint centre = square.geometry().center();
        return qGray(painted.pixel(centre)) < 128;
    }

    FixedClock clock{2010, 3, 5, 9, 0, 0};
    std::unique_ptr<CPlayerPage> page;
};

TEST_F(PlayerPageTest, ANewPlayerWithoutCodeSeesThisYearFromThisMonthAndAFlatLine) {
    Open();

    EXPECT_EQ(page->nameEdit.text(), QStringLiteral("新玩家"));
    EXPECT_EQ(page->zodiacCombo.currentText(), QStringLiteral("龙"));
    EXPECT_TRUE(page->fortuneCodeEdit.Text().isEmpty());
    EXPECT_EQ(Labels(),
              (QStringList{"2010", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "1", "2", "2011"}));
    EXPECT_FALSE(page->codeValid);
    ExpectChart(kFlat);
    EXPECT_TRUE(Filled(page->maleButton));
    EXPECT_FALSE(Filled(page->femaleButton));
    EXPECT_TRUE(messages.empty());
}

// The name shown on a first visit is there to be replaced: typing into the box replaces it.
TEST_F(PlayerPageTest, TypingANameReplacesTheOneShown) {
    Open();
    page->nameEdit.setFocus();
    QTest::keyClicks(&page->nameEdit, QStringLiteral("Lily"));
    EXPECT_EQ(page->nameEdit.text(), QStringLiteral("Lily"));
}

TEST_F(PlayerPageTest, AStoredCodeIsDrawnAtItsTwelveHeights) {
    Open("yunqi = '8A012345654321'");

    EXPECT_EQ(Labels(),
              (QStringList{"2008", "10", "11", "12", "1", "2", "3", "4", "5", "6", "7", "8", "9", "2009"}));
    EXPECT_TRUE(page->codeValid);
    ExpectChart({402, 382, 361, 341, 320, 300, 279, 300, 320, 341, 361, 382});
    EXPECT_TRUE(messages.empty());
}

// On today's clock the program runs the extended edition: a code written for this year shows this year.
TEST_F(PlayerPageTest, InTheExtendedEditionTheCodesYearIsOneNearToday) {
    clock.Set(Clock::MakeLocalTime(2026, 12, 8, 9, 0, 0));
    const EditionScope extended(CalendarEdition::Extended);
    Open("yunqi = '6C012345654321'");

    EXPECT_EQ(Labels(),
              (QStringList{"2026", "12", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "2027"}));
    EXPECT_TRUE(page->codeValid);
}

TEST_F(PlayerPageTest, AnAppliedCodeIsSavedAloneAndRedrawn) {
    Open();
    page->nameEdit.setText(QStringLiteral("李明"));  // typed but not saved: the code's save leaves it alone

    Apply(QStringLiteral("9CABCDEFGFEDCB"));

    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(StoredPlayer(), (std::vector<std::string>{"新玩家", "先生", "龙", "9CABCDEFGFEDCB"}));
    EXPECT_EQ(app->Player().yunqi, "9CABCDEFGFEDCB");
    EXPECT_EQ(app->Player().name, "新玩家");
    EXPECT_EQ(Labels(),
              (QStringList{"2009", "12", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "2010"}));
    ExpectChart({402, 382, 361, 341, 320, 300, 279, 300, 320, 341, 361, 382});
}

TEST_F(PlayerPageTest, AFirstCharacterThatNamesNoYearKeepsTheYearsShown) {
    Open("yunqi = '5A012345654321'");
    EXPECT_EQ(Labels().front(), QStringLiteral("0"));
    EXPECT_EQ(Labels().back(), QStringLiteral("0"));

    page->startYearEdit.SetText(QStringLiteral("2015"));
    page->nextYearEdit.SetText(QStringLiteral("2017"));
    Apply(QStringLiteral("53012345654321"));

    EXPECT_EQ(Labels(),
              (QStringList{"2015", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "1", "2", "2017"}));
    EXPECT_TRUE(page->codeValid);
}

// Every typed digit stays: a fifth one is not dropped to leave another year that looks accepted.
TEST_F(PlayerPageTest, ALabelBoxKeepsEveryTypedDigitAndNothingElse) {
    Open("yunqi = '5A012345654321'");
    page->startYearEdit.SetText(QString());
    QTest::keyClicks(page->startYearEdit.lineEdit(), QStringLiteral("20-1a55"));
    EXPECT_EQ(page->startYearEdit.Text(), QStringLiteral("20155"));

    Apply(QStringLiteral("53012345654321"));

    EXPECT_EQ(Labels().front(), QStringLiteral("20155"));
    EXPECT_TRUE(messages.empty());
}

// A code that cannot be drawn is refused with one message and not saved; the chart of the saved code stays.
TEST_F(PlayerPageTest, ACodeWithABadMonthOrLevelIsRefusedOnceAndNothingIsSaved) {
    Open("yunqi = '8A012345654321'");
    const QStringList shown = Labels();

    for (const auto& [code, refusal] : {std::pair{QStringLiteral("8A0127456543 1"), kBadLevel},  // 7 and -16
                                        std::pair{QStringLiteral("8D012345654321"), kBadMonth},  // month 13
                                        std::pair{QStringLiteral("80012345654321"), kBadMonth},  // month 0
                                        std::pair{QStringLiteral("8D012745654321"), kBadMonth}}) {
        messages.clear();
        Apply(code);
        EXPECT_EQ(messages, (std::vector<RecordedMessage>{refusal})) << code.toStdString();
    }
    EXPECT_EQ(StoredPlayer().back(), "8A012345654321");
    EXPECT_EQ(app->Player().yunqi, "8A012345654321");
    EXPECT_TRUE(page->codeValid);
    EXPECT_EQ(Labels(), shown);
    ExpectChart({402, 382, 361, 341, 320, 300, 279, 300, 320, 341, 361, 382});
}

// A code saved by an earlier version that took any fourteen characters: said once when the page opens and
// drawn flat. A bad month would label the chart with month 13, so the labels start today as without a code.
TEST_F(PlayerPageTest, AStoredCodeThatCannotBeDrawnIsSaidOnceAndDrawnFlat) {
    Open("yunqi = '8D012345654321'");
    EXPECT_EQ(messages, (std::vector<RecordedMessage>{kBadMonth}));
    EXPECT_FALSE(page->codeValid);
    EXPECT_EQ(Labels(),
              (QStringList{"2010", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "1", "2", "2011"}));
    ExpectChart(kFlat);

    page.reset();
    messages.clear();
    Sql("UPDATE player SET yunqi = '8A0127456543 1';");
    app->LoadPlayer();
    page = std::make_unique<CPlayerPage>(*app, OpenHelp);
    Show(*page);
    EXPECT_EQ(messages, (std::vector<RecordedMessage>{kBadLevel}));
    EXPECT_FALSE(page->codeValid);
    EXPECT_EQ(Labels().front(), QStringLiteral("2008"));
    EXPECT_EQ(Labels()[1], QStringLiteral("10"));
    ExpectChart(kFlat);
}

// The length is counted in the bytes of the code's GBK text: a Chinese character counts two.
TEST_F(PlayerPageTest, CodesOfAnyOtherLengthAreRefusedAndNothingIsSaved) {
    Open("yunqi = '8A012345654321'");

    for (const QString& code : {QStringLiteral("8A01234565432"), QStringLiteral("8A0123456543210"),
                                QStringLiteral("8A01234565432一"), QString()}) {
        messages.clear();
        Apply(code);
        EXPECT_EQ(messages, (std::vector<RecordedMessage>{kBadLength})) << code.toStdString();
    }
    EXPECT_EQ(StoredPlayer().back(), "8A012345654321");
    EXPECT_EQ(app->Player().yunqi, "8A012345654321");
    ExpectChart({402, 382, 361, 341, 320, 300, 279, 300, 320, 341, 361, 382});

    // Twelve digits and one Chinese character make fourteen bytes, and its two bytes are bad levels.
    messages.clear();
    Apply(QStringLiteral("8A0123456543一"));
    EXPECT_EQ(messages, (std::vector<RecordedMessage>{kBadLevel}));
    EXPECT_EQ(StoredPlayer().back(), "8A012345654321");
}

TEST_F(PlayerPageTest, TheProfileIsSavedAloneAndTheMainWindowRelabelled) {
    Open("yunqi = '8A012345654321'");
    page->nameEdit.setText(QStringLiteral("李明"));
    page->femaleButton.click();
    page->zodiacCombo.setCurrentIndex(2);
    page->fortuneCodeEdit.SetText(QStringLiteral("7100000000000"));  // typed, not applied

    page->saveButton.click();

    EXPECT_EQ(StoredPlayer(), (std::vector<std::string>{"李明", "小姐", "虎", "8A012345654321"}));
    EXPECT_EQ(app->Player().shuxiang, "虎");
    EXPECT_EQ(DeliveredPosts(), (std::vector<PostedRecorder::Post>{{WM_NAVIGATE, 30, 2}}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(PlayerPageTest, AFailedSaveStillLetsTheMainWindowRelabel) {
    Open();
    Sql("DELETE FROM player;");
    page->nameEdit.setText(QStringLiteral("李明"));

    page->saveButton.click();

    EXPECT_EQ(messages, std::vector<RecordedMessage>{Messages::kSaveFailed});
    EXPECT_EQ(app->Player().name, "李明");
    EXPECT_EQ(DeliveredPosts(), (std::vector<PostedRecorder::Post>{{WM_NAVIGATE, 30, 2}}));
}

TEST_F(PlayerPageTest, AnUnknownStoredAnimalIsNotSelectedAndSavingKeepsIt) {
    Open("shuxiang = '麒麟'");
    EXPECT_EQ(page->zodiacCombo.currentIndex(), -1);

    page->saveButton.click();

    EXPECT_EQ(StoredPlayer()[2], "麒麟");
}

TEST_F(PlayerPageTest, TheSexSquaresSwapOnlyBetweenTheTwoSexes) {
    Open("sex = ''");
    EXPECT_FALSE(Filled(page->maleButton));
    EXPECT_TRUE(Filled(page->femaleButton));

    page->maleButton.click();
    page->femaleButton.click();
    EXPECT_EQ(page->playerSex, QString());
    EXPECT_FALSE(Filled(page->maleButton));
    EXPECT_TRUE(Filled(page->femaleButton));

    page->playerSex = QStringLiteral("先生");
    page->femaleButton.click();
    EXPECT_EQ(page->playerSex, QStringLiteral("小姐"));
    EXPECT_FALSE(Filled(page->maleButton));
    page->maleButton.click();
    EXPECT_EQ(page->playerSex, QStringLiteral("先生"));
    EXPECT_TRUE(Filled(page->maleButton));
    EXPECT_FALSE(Filled(page->femaleButton));
}

// The boxes are read in the order first month, last three months, the other months, the years, the code; an
// empty box stops the reading there, and the command goes on with what was read before.
TEST_F(PlayerPageTest, AnEmptiedLabelBoxPromptsAndTheRestKeepsItsValues) {
    Open();
    page->monthEdits[0]->SetText(QStringLiteral("7"));
    page->monthEdits[9]->SetText(QStringLiteral("8"));
    page->monthEdits[1]->SetText(QString());
    page->monthEdits[2]->SetText(QStringLiteral("99"));

    Apply(QStringLiteral("8A012345654321"));  // typed after the box that stops the reading

    EXPECT_EQ(messages, (std::vector<RecordedMessage>{kNotAnInteger, kBadLength}));
    EXPECT_EQ(page->monthLabels[0], 7);
    EXPECT_EQ(page->monthLabels[9], 8);
    EXPECT_EQ(page->monthLabels[2], 5) << "read after the empty box";
    EXPECT_TRUE(page->fortuneCodeText.isEmpty());
    EXPECT_EQ(StoredPlayer().back(), "empty") << "the file still holds the new player's code";
}

TEST_F(PlayerPageTest, HelpOpensTheFortuneCodeDocumentAndBackGoesHome) {
    const QString path = dir.filePath(QStringLiteral("help_yunqi.html"));
    QFile document(path);
    ASSERT_TRUE(document.open(QIODevice::WriteOnly));
    document.write("<html><body>fortune code</body></html>");
    document.close();
    Open();

    page->fortuneHelpButton.click();
    page->backButton.click();

    CHelpWindow* help = CHelpWindow::Current();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->source().toLocalFile(), path);
    delete help;
    EXPECT_EQ(DeliveredPosts(), (std::vector<PostedRecorder::Post>{{WM_NAVIGATE, 30, 0}}));
}

}  // namespace
