// SPDX-License-Identifier: GPL-3.0-or-later
// The start page's wheel and cast button and the make page's two seconds, tick by tick.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimerEvent>
#include <algorithm>
#include <utility>
#include <vector>

#include "core/Cast.h"
#include "pages/CMakeGuaPage.h"
#include "pages/CStartPage.h"
#include "tests/pages/PagesTestSupport.h"
#include "tests/support/AppFixture.h"
#include "tests/support/FixedClock.h"

namespace {

using Navigations = std::vector<std::pair<int, int>>;

class CastPagesTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        container.resize(700, 500);
    }
    // One tick of a page's timer, as the event loop would deliver it.
    static void Tick(QObject& page, int timerId) {
        QTimerEvent tick(timerId);
        QCoreApplication::sendEvent(&page, &tick);
    }
    static QString FrameFile(int frame) { return QStringLiteral("%1.bmp").arg(frame); }

    PostedRecorder mainWindow;
    QWidget container;
};

TEST_F(CastPagesTest, TheStartWheelTurnsThroughEighteenFramesAndANewPageGoesOnWhereTheLastStopped) {
    auto* first = CreatePage<CStartPage>(container, mainWindow, app->state);
    EXPECT_EQ(first->geometry(), QRect(0, 0, 700, 455));
    EXPECT_EQ(first->animation.geometry(), QRect(223, 155, 190, 190));
    EXPECT_EQ(first->castButton.geometry(), QRect(243, 394, 145, 31));
    EXPECT_TRUE(first->castButton.HasHotFace());
    ASSERT_NE(first->AnimationTimer(), 0);

    const int start = CStartPage::NextFrame();
    Tick(*first, first->AnimationTimer() + 1000);  // not the wheel's timer
    EXPECT_FALSE(first->animation.PictureSet());
    Tick(*first, first->AnimationTimer());
    EXPECT_EQ(first->animation.PictureFile(), FrameFile(start));
    EXPECT_EQ(first->animation.PictureWidth(), 243);
    EXPECT_EQ(first->animation.PictureHeight(), 243);
    std::vector<QString> shown;
    for (int i = 0; i < CStartPage::kFrameCount; ++i) {
        Tick(*first, first->AnimationTimer());
        shown.push_back(first->animation.PictureFile());
    }
    EXPECT_EQ(shown.back(), FrameFile(start)) << "eighteen frames later the wheel is back where it began";
    EXPECT_EQ(std::count(shown.begin(), shown.end(), FrameFile(18)), 1);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), FrameFile(1)), 1);

    // Leave the wheel anywhere but at its first frame, so that a new page starting over would show.
    while (CStartPage::NextFrame() == 1) {
        Tick(*first, first->AnimationTimer());
    }
    const int next = CStartPage::NextFrame();
    delete first;  // the user went home and confirmed a new date
    auto* second = CreatePage<CStartPage>(container, mainWindow, app->state);
    Tick(*second, second->AnimationTimer());
    EXPECT_EQ(second->animation.PictureFile(), FrameFile(next));
}

TEST_F(CastPagesTest, EachClickOnCastCastsAnewAndAsksForTheMakePage) {
    FixedClock clock(2010, 3, 5, 9, 0, 0);
    EXPECT_TRUE(app->state.lunar.Convert(COleDateTime(2010, 3, 5)));
    auto* page = CreatePage<CStartPage>(container, mainWindow, app->state);
    PredictionState expected;
    expected.lunar = app->state.lunar;

    page->castButton.click();
    CastHexagrams(expected);
    ASSERT_NE(app->state.mainGua, nullptr);
    EXPECT_EQ(app->state.mainGua->judgementText, expected.mainGua->judgementText);
    EXPECT_EQ(app->state.changedGua->hexagramNumber, expected.changedGua->hexagramNumber);

    // A later second gives another number; the second click's cast is the one that stays.
    do {
        clock.Advance(1);
        CastHexagrams(expected);
    } while (expected.mainGua->judgementText == app->state.mainGua->judgementText);
    page->castButton.click();
    EXPECT_EQ(app->state.mainGua->judgementText, expected.mainGua->judgementText);
    EXPECT_EQ(app->state.mutualGua->hexagramNumber, expected.mutualGua->hexagramNumber);

    page->backButton.click();
    DeliverPosted();
    EXPECT_EQ(mainWindow.Navigations(), (Navigations{{10, 11}, {10, 11}, {10, 0}}));
}

TEST_F(CastPagesTest, TheMakePageTurnsTheTaijiAndAsksForTheShowPageFromTheTwentiethTickOn) {
    auto* page = CreatePage<CMakeGuaPage>(container, mainWindow);
    EXPECT_EQ(page->geometry(), QRect(0, 0, 700, 455));
    EXPECT_EQ(page->animation.geometry(), QRect(234, 124, 225, 225));
    EXPECT_EQ(page->tickCount, 0);

    for (int tick = 1; tick < CMakeGuaPage::kTicksBeforeShow; ++tick) {
        Tick(*page, 0);
        EXPECT_EQ(page->animation.PictureFile(), QStringLiteral("taiji_%1.bmp").arg((tick - 1) % 6));
    }
    DeliverPosted();
    EXPECT_TRUE(mainWindow.Navigations().empty()) << "asked before its twentieth tick";
    EXPECT_EQ(page->animation.PictureWidth(), 243);

    Tick(*page, 0);
    DeliverPosted();
    EXPECT_EQ(mainWindow.Navigations(), (Navigations{{11, 12}}));
    EXPECT_EQ(page->animation.PictureFile(), QStringLiteral("taiji_1.bmp"));

    // Not replaced yet: it asks again.
    Tick(*page, 0);
    DeliverPosted();
    EXPECT_EQ(mainWindow.Navigations(), (Navigations{{11, 12}, {11, 12}}));
}

}  // namespace
