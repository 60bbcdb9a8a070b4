// SPDX-License-Identifier: GPL-3.0-or-later
// The show and explanation pages: the date labels, names, pictures and texts they take from the cast, where
// and in which colours they show them, and where their buttons lead.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QScrollBar>
#include <map>
#include <tuple>
#include <utility>
#include <vector>

#include "core/Cast.h"
#include "core/HexagramTexts.h"
#include "pages/CExplainPage.h"
#include "pages/CShowGuaPage.h"
#include "tests/pages/PagesTestSupport.h"
#include "tests/support/AppFixture.h"

namespace {

using Navigations = std::vector<std::pair<int, int>>;

class ReadingPagesTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        container.resize(700, 500);
    }

    // The draw date at 10 o'clock, converted, and the cast of this number.
    void Predict(const COleDateTime& date, int castingNumber) {
        PredictionState& state = app->state;
        state.drawDate = COleDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), 10, 0, 0);
        EXPECT_TRUE(state.lunar.Convert(state.drawDate));
        CastFromNumber(state, castingNumber);
    }
    static QString Text(int id) { return QString::fromStdString(std::string(HexagramText(id))); }

    PostedRecorder mainWindow;
    QWidget container;
};

TEST_F(ReadingPagesTest, TheShowPageShowsBothDatesTheThreeNamesTheMovingLineAndTheTrigrams) {
    Predict(COleDateTime(2010, 3, 5), 12345);  // 离 over 震, line 3: 噬嗑, mutual 蹇, changed 离
    auto* page = CreatePage<CShowGuaPage>(container, mainWindow, app->state);

    EXPECT_EQ(page->sexagenaryLabel.text(), QStringLiteral("庚寅年戊寅月甲寅日"));
    EXPECT_EQ(page->calendarLabel.text(), QStringLiteral("公历:2010-3-5  农历:一月二十"));
    EXPECT_EQ(page->mainNameEdit.Text(), QStringLiteral("噬嗑"));
    EXPECT_EQ(page->mutualNameEdit.Text(), QStringLiteral("蹇"));
    EXPECT_EQ(page->changedNameEdit.Text(), QStringLiteral("离"));
    EXPECT_EQ(page->movingLineEdit.Text(), QStringLiteral("三爻动"));
    const std::pair<CPictureStatic*, const char*> pictures[] = {
        {&page->mainUpper, "离.bmp"},   {&page->mainLower, "震.bmp"},    {&page->mutualUpper, "坎.bmp"},
        {&page->mutualLower, "艮.bmp"}, {&page->changedUpper, "离.bmp"}, {&page->changedLower, "离.bmp"}};
    for (const auto& [picture, file] : pictures) {
        EXPECT_EQ(picture->PictureFile(), QString::fromUtf8(file));
        EXPECT_EQ(picture->PictureWidth(), 130);
        EXPECT_EQ(picture->PictureHeight(), 70);
    }
}

TEST_F(ReadingPagesTest, TheShowPageSitsOnItsPictureInItsColours) {
    Predict(COleDateTime(2010, 3, 5), 12345);
    auto* page = CreatePage<CShowGuaPage>(container, mainWindow, app->state);

    EXPECT_EQ(page->geometry(), QRect(0, 0, 700, 455));
    EXPECT_EQ(page->BackgroundFile(), QStringLiteral("get_gua.ggr"));
    EXPECT_EQ(page->sexagenaryLabel.geometry(), QRect(210, 11, 168, 18));
    EXPECT_EQ(page->calendarLabel.geometry(), QRect(375, 11, 300, 18));
    EXPECT_EQ(page->changedNameEdit.geometry(), QRect(556, 150, 54, 30));
    EXPECT_EQ(page->movingLineEdit.geometry(), QRect(176, 213, 54, 30));
    EXPECT_EQ(page->mutualLower.geometry(), QRect(340, 209, 45, 22));
    EXPECT_EQ(page->nextButton.geometry(), QRect(370, 323, 42, 27));
    EXPECT_EQ(page->sexagenaryLabel.StateColour(CSkinButton::kTextNormal), RGB(18, 18, 145));
    EXPECT_EQ(page->sexagenaryLabel.StateColour(CSkinButton::kTextHot), RGB(18, 18, 145));
    EXPECT_EQ(page->calendarLabel.StateColour(CSkinButton::kTextNormal), RGB(0, 65, 80));
    EXPECT_EQ(page->mainNameEdit.BackColour(), RGB(155, 197, 207));
    EXPECT_EQ(page->movingLineEdit.TextColour(), RGB(0, 40, 40));
    // The moving-line word must stay on one line in its narrow box.
    EXPECT_EQ(page->movingLineEdit.plainTextEdit()->document()->lineCount(), 1);
}

TEST_F(ReadingPagesTest, ADateInTheLeapFifthMonthShowsItsLeapMonthName) {
    Predict(COleDateTime(2009, 7, 21), 10);
    auto* show = CreatePage<CShowGuaPage>(container, mainWindow, app->state);
    auto* explain = CreatePage<CExplainPage>(container, mainWindow, app->state);

    EXPECT_EQ(show->calendarLabel.text(), QStringLiteral("公历:2009-7-21  农历:闰五月二十九"));
    EXPECT_EQ(explain->calendarLabel.text(), show->calendarLabel.text());
    EXPECT_EQ(explain->sexagenaryLabel.text(), show->sexagenaryLabel.text());
}

TEST_F(ReadingPagesTest, TheExplanationShowsTheTextsOfEachHexagramAndTheMainMovingLine) {
    Predict(COleDateTime(2010, 3, 5), 12345);  // 噬嗑 (21), 蹇 (39), 离 (30); line 3
    auto* page = CreatePage<CExplainPage>(container, mainWindow, app->state);

    EXPECT_EQ(page->mainName, QStringLiteral("噬嗑"));
    EXPECT_EQ(page->mainJudgement, Text(8 * 21 + 1994));
    EXPECT_EQ(page->movingLineWord, QStringLiteral("三爻动"));
    EXPECT_EQ(page->movingLineVerse, Text(8 * 21 + 1997));
    EXPECT_EQ(page->mutualName, QStringLiteral("蹇"));
    EXPECT_EQ(page->mutualJudgement, Text(8 * 39 + 1994));
    EXPECT_EQ(page->changedName, QStringLiteral("离"));
    EXPECT_EQ(page->changedJudgement, Text(8 * 30 + 1994));
    EXPECT_EQ(page->movingLineVerseEdit.Text(), page->movingLineVerse);
    EXPECT_EQ(page->changedJudgementEdit.Text(), page->changedJudgement);
    EXPECT_EQ(page->mutualLower.PictureFile(), QStringLiteral("艮.bmp"));
    EXPECT_EQ(page->mainUpper.geometry(), QRect(133, 78, 45, 22));
}

TEST_F(ReadingPagesTest, TheSummaryPutsTheThreeJudgementsUnderTheirLabelsOneToALine) {
    Predict(COleDateTime(2009, 6, 17), 10);  // 乾 over 坤, line 1: the worked example of the judgement
    app->state.mutualGua->judgementText.clear();
    auto* page = CreatePage<CExplainPage>(container, mainWindow, app->state);

    const QString expected =
        QStringLiteral(
            "主卦： 初爻为动爻，故上卦为体，下卦为用。体卦乾金在午月为处死地，临日建巳为死地，"
            "受用卦坤土之生，综合力量偏弱。\r\n互卦： \r\n变卦： ") +
        QString::fromStdString(app->state.changedGua->judgementText);
    EXPECT_EQ(page->judgementSummary, expected);
    EXPECT_EQ(page->summaryEdit.plainTextEdit()->document()->blockCount(), 3);
    page->UpdateData(true);
    EXPECT_EQ(page->judgementSummary, expected) << "read back with its CR LF";
}

TEST_F(ReadingPagesTest, EveryClassicalTextAndALongSummaryFitTheirBoxesWithoutScrolling) {
    Predict(COleDateTime(2009, 6, 25), 8888);  // 坤 doubled (the longest judgement), line 2
    auto* page = CreatePage<CExplainPage>(container, mainWindow, app->state);
    container.show();
    page->show();  // the boxes lay their texts out at their real width once shown
    const auto fits = [](const CColorEdit& edit) {
        return edit.plainTextEdit()->verticalScrollBar()->maximum() == 0;
    };
    EXPECT_TRUE(fits(page->summaryEdit)) << page->judgementSummary.toStdString();

    for (int hexagram = 1; hexagram <= 64; ++hexagram) {
        page->mainJudgementEdit.SetText(Text(8 * hexagram + 1994));
        EXPECT_TRUE(fits(page->mainJudgementEdit)) << page->mainJudgementEdit.Text().toStdString();
        for (int line = 1; line <= 6; ++line) {
            page->movingLineVerseEdit.SetText(Text(8 * hexagram + 1994 + line));
            EXPECT_TRUE(fits(page->movingLineVerseEdit)) << page->movingLineVerseEdit.Text().toStdString();
        }
    }
    EXPECT_EQ(page->geometry(), QRect(0, 0, 700, 500));
    EXPECT_EQ(page->summaryEdit.geometry(), QRect(74, 300, 610, 108));
    EXPECT_EQ(page->movingLineVerseEdit.BackColour(), RGB(164, 210, 221));
    EXPECT_EQ(page->summaryEdit.BackColour(), RGB(173, 221, 232));
}

// The summary holds three judgements, each one or two lines. Over every cast (each upper and lower trigram
// and moving line) on every month and day branch, the one with the most lines must still fit without
// scrolling.
TEST_F(ReadingPagesTest, TheLongestSummaryAnyCastCanComposeFitsItsBox) {
    auto* page = CreatePage<CExplainPage>(container, mainWindow, app->state);
    container.show();
    page->show();
    const QFontMetrics metrics(page->summaryEdit.plainTextEdit()->font());
    const int width = page->summaryEdit.plainTextEdit()->viewport()->width() - 8;
    const auto lines = [&](const std::string& judgement) {
        return metrics.horizontalAdvance(QStringLiteral("主卦： ") + QString::fromStdString(judgement)) /
                   width +
               1;
    };
    std::map<std::tuple<int, int, int>, int> castingNumbers;  // one number for each cast
    for (int number = 10; number < 10000; ++number) {
        const CastTrigrams cast = SplitCastingNumber(number);
        castingNumbers.try_emplace({cast.upper, cast.lower, cast.movingLine}, number);
    }
    // The moving line is the digit total mod 6, so its parity follows the two trigrams': half of 8 x 8 x 6.
    ASSERT_EQ(castingNumbers.size(), 8u * 8u * 6u / 2u);
    static const char* const kBranches[] = {"子", "丑", "寅", "卯", "辰", "巳",
                                            "午", "未", "申", "酉", "戌", "亥"};
    PredictionState& state = app->state;
    int mostLines = 0;
    std::tuple<const char*, const char*, int> longest{};
    for (const char* month : kBranches) {
        for (const char* day : kBranches) {
            state.lunar.monthBranch = month;
            state.lunar.dayBranch = day;
            for (const auto& [cast, number] : castingNumbers) {
                CastFromNumber(state, number);
                const int total = lines(state.mainGua->judgementText) +
                                  lines(state.mutualGua->judgementText) +
                                  lines(state.changedGua->judgementText);
                if (total > mostLines) {
                    mostLines = total;
                    longest = {month, day, number};
                }
            }
        }
    }
    EXPECT_GT(mostLines, 3) << "the search must reach summaries whose judgements wrap";
    state.lunar.monthBranch = std::get<0>(longest);
    state.lunar.dayBranch = std::get<1>(longest);
    CastFromNumber(state, std::get<2>(longest));
    auto* longestPage = CreatePage<CExplainPage>(container, mainWindow, app->state);
    longestPage->show();
    EXPECT_EQ(longestPage->summaryEdit.plainTextEdit()->verticalScrollBar()->maximum(), 0)
        << longestPage->judgementSummary.toStdString();
}

TEST_F(ReadingPagesTest, WithoutACastThePagesShowTheDatesAndLeaveTheRestEmpty) {
    app->state.drawDate = COleDateTime(2010, 3, 5);
    EXPECT_TRUE(app->state.lunar.Convert(app->state.drawDate));
    auto* show = CreatePage<CShowGuaPage>(container, mainWindow, app->state);
    auto* explain = CreatePage<CExplainPage>(container, mainWindow, app->state);

    EXPECT_EQ(show->calendarLabel.text(), QStringLiteral("公历:2010-3-5  农历:一月二十"));
    EXPECT_TRUE(show->mainName.isEmpty());
    EXPECT_FALSE(show->mainUpper.PictureSet());
    EXPECT_EQ(explain->judgementSummary, QStringLiteral("主卦： \r\n互卦： \r\n变卦： "));
}

TEST_F(ReadingPagesTest, NextLeadsOnAndBackLeadsHome) {
    Predict(COleDateTime(2010, 3, 5), 12345);
    auto* show = CreatePage<CShowGuaPage>(container, mainWindow, app->state);
    auto* explain = CreatePage<CExplainPage>(container, mainWindow, app->state);

    show->nextButton.click();
    show->backButton.click();
    explain->nextButton.click();
    explain->backButton.click();
    DeliverPosted();

    EXPECT_EQ(mainWindow.Navigations(), (Navigations{{12, 13}, {12, 0}, {13, 14}, {13, 0}}));
}

}  // namespace
