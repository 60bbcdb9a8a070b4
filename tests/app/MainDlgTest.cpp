// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its views, the page slots of the page container and the navigation messages.
#include <gtest/gtest.h>

#include <QFontMetrics>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/CMainDlg.h"
#include "app/CNavPanel.h"
#include "controls/PostedMessage.h"
#include "pages/CDateInputDlg.h"
#include "pages/CExplainPage.h"
#include "pages/CHistoryPage.h"
#include "pages/CMakeGuaPage.h"
#include "pages/CNumberPage.h"
#include "pages/CPlayerPage.h"
#include "pages/CShowGuaPage.h"
#include "pages/CStartPage.h"
#include "shell/CAboutDlg.h"
#include "tests/support/AppFixture.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/StoreRecords.h"

namespace {

class MainDlgTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        SetProfileField(*app, &PlayerProfile::name, "新玩家");
        SetProfileField(*app, &PlayerProfile::sex, "先生");
        SetProfileField(*app, &PlayerProfile::shuxiang, "龙");
    }
    void TearDown() override {
        window.reset();
        AppFixture::TearDown();
    }

    CMainDlg& Open() {
        window = std::make_unique<CMainDlg>(*app);
        window->show();
        return *window;
    }
    void Navigate(int stage, int code) {
        PostMessageTo(window.get(), WM_NAVIGATE, stage, code);
        DeliverPosted();
    }
    void OpenView(int kind) {
        PostMessageTo(window.get(), WM_OPENVIEW, kind, 0);
        DeliverPosted();
    }
    CPageDialog* Slot(int index) const { return window->pageContainer.Page(index); }
    template <class Page>
    bool Holds(int index) const {
        return dynamic_cast<Page*>(Slot(index)) != nullptr;
    }
    bool HomeView() const {
        return window->navContainer.isVisible() && !window->pageContainer.isVisible() &&
               window->playerLabel.isVisible() && window->zodiacLabel.isVisible() &&
               window->exitButton.isVisible();
    }
    // The page view with page index shown and the labels and exit button as the page's height allows.
    bool PageView(int index, bool fullHeight) const {
        const CPageDialog* page = Slot(index);
        return !window->navContainer.isVisible() && window->pageContainer.isVisible() && page != nullptr &&
               page->isVisible() && window->pageContainer.height() == (fullHeight ? 500 : 455) &&
               window->playerLabel.isVisible() == !fullHeight &&
               window->exitButton.isVisible() == !fullHeight;
    }
    // Walks a prediction from a start page to the number page.
    void WalkToNumberPage() {
        Navigate(10, 11);
        Navigate(11, 12);
        Navigate(12, 13);
        Navigate(13, 14);
    }

    std::unique_ptr<CMainDlg> window;
};

TEST_F(MainDlgTest, OpensAsAFixedWindowOnTheHomeViewWithRecordsAndStartPagesWaiting) {
    CMainDlg& main = Open();

    EXPECT_EQ(main.windowTitle(), QStringLiteral("Quintara V4.3"));
    EXPECT_EQ(main.size(), QSize(700, 500));
    EXPECT_EQ(main.minimumSize(), main.maximumSize());
    EXPECT_FALSE(main.windowIcon().pixmap(QSize(32, 32)).isNull());
    EXPECT_TRUE(HomeView());
    EXPECT_EQ(main.navContainer.GetPageCount(), 1);
    EXPECT_EQ(main.pageContainer.GetPageCount(), 2);
    EXPECT_TRUE(Holds<CHistoryPage>(0));
    EXPECT_TRUE(Holds<CStartPage>(1));
    EXPECT_EQ(Slot(0)->mainWindow, &main);
    EXPECT_EQ(Slot(1)->mainWindow, &main);
}

TEST_F(MainDlgTest, IsANormalWindowWithMinimiseAndCloseThatNoOneMustDismiss) {
    CMainDlg& main = Open();

    const Qt::WindowFlags flags = main.windowFlags();
    EXPECT_EQ(main.windowType(), Qt::Window) << "a dialog type makes window managers treat it as one";
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint)) << "the size is fixed";
    EXPECT_EQ(main.windowModality(), Qt::NonModal);
}

TEST_F(MainDlgTest, FocusStartsOnTheFirstPanelButtonSoASpaceOpensAPrediction) {
    CMainDlg& main = Open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    auto* panel = dynamic_cast<CNavPanel*>(main.navContainer.Page(0));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), &panel->predictButton);
    ModalAnswer<CDateInputDlg> answer([](CDateInputDlg& dialog) { dialog.cancelButton.click(); });

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    DeliverPosted();

    EXPECT_EQ(answer.Count(), 1);
    EXPECT_TRUE(main.isVisible());
}

// Esc goes to the widget with the focus and up through the page to this window, which keeps it.
TEST_F(MainDlgTest, EscOnTheHomeViewAndOnEveryPageLeavesTheWindowAsItWas) {
    CMainDlg& main = Open();
    const auto pressEscape = [&main](QWidget* target) {
        QTest::keyClick(target, Qt::Key_Escape);
        DeliverPosted();
        return main.isVisible() && main.pageContainer.GetPageCount() > 0;
    };
    ASSERT_TRUE(pressEscape(&main));
    ASSERT_TRUE(pressEscape(&main.exitButton));
    EXPECT_TRUE(HomeView());

    const std::pair<int, int> steps[] = {{10, 11}, {11, 12}, {12, 13}, {13, 14}};
    for (const auto& [stage, code] : steps) {
        Navigate(stage, code);
        const int shown = window->pageContainer.CurrentIndex();
        ASSERT_TRUE(pressEscape(Slot(shown))) << "after " << stage << ", " << code;
        EXPECT_TRUE(PageView(shown, stage == 12)) << "after " << stage << ", " << code;
    }
    // The unsaved prediction is still there.
    EXPECT_TRUE(Holds<CNumberPage>(2));
    for (const int view : {20, 30}) {
        OpenView(view);
        ASSERT_TRUE(pressEscape(Slot(0))) << "view " << view;
        EXPECT_TRUE(PageView(0, false)) << "view " << view;
    }
}

TEST_F(MainDlgTest, ANewPlayerIsShownWithPaddedNameAndTheDragon) {
    SetProfileField(*app, &PlayerProfile::shuxiang, "虎");  // ignored for a new player
    CMainDlg& main = Open();

    EXPECT_EQ(main.playerLabel.text(), QStringLiteral("新玩家    "));
    EXPECT_EQ(main.zodiacLabel.text(), QStringLiteral("龙"));
}

TEST_F(MainDlgTest, AKnownPlayerIsShownAsNameAndSexWithTheirAnimal) {
    SetProfileField(*app, &PlayerProfile::name, "李明");
    SetProfileField(*app, &PlayerProfile::sex, "小姐");
    SetProfileField(*app, &PlayerProfile::shuxiang, "兔");
    CMainDlg& main = Open();

    EXPECT_EQ(main.playerLabel.text(), QStringLiteral("李明小姐"));
    EXPECT_EQ(main.zodiacLabel.text(), QStringLiteral("兔"));
}

TEST_F(MainDlgTest, ALongNameIsCutWithAnEllipsisAndTheTitleAfterItStays) {
    SetProfileField(*app, &PlayerProfile::name, "欧阳诸葛司马上官东方皇甫尉迟公孙");
    SetProfileField(*app, &PlayerProfile::sex, "先生");
    CMainDlg& main = Open();

    const QString shown = main.playerLabel.text();
    EXPECT_TRUE(shown.endsWith(QStringLiteral("…先生"))) << shown.toStdString();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("欧阳"))) << shown.toStdString();
    EXPECT_LE(QFontMetrics(main.playerLabel.font()).horizontalAdvance(shown), main.playerLabel.width());
    EXPECT_EQ(main.playerLine, QStringLiteral("欧阳诸葛司马上官东方皇甫尉迟公孙先生"));
    EXPECT_EQ(main.playerLabel.accessibleName(), main.playerLine) << "a screen reader hears the whole name";
}

TEST_F(MainDlgTest, ALongNameSavedWhileTheWindowIsShownIsCutAtOnce) {
    CMainDlg& main = Open();
    SetProfileField(*app, &PlayerProfile::name, "欧阳诸葛司马上官东方皇甫尉迟公孙");
    SetProfileField(*app, &PlayerProfile::sex, "小姐");

    Navigate(30, 2);

    EXPECT_TRUE(main.playerLabel.text().endsWith(QStringLiteral("…小姐")))
        << main.playerLabel.text().toStdString();
    EXPECT_EQ(main.playerLabel.toolTip(), main.playerLine);
}

TEST_F(MainDlgTest, ASavedProfileRelabelsEvenWhenTheNameIsStillTheNewPlayer) {
    CMainDlg& main = Open();
    SetProfileField(*app, &PlayerProfile::shuxiang, "猴");

    Navigate(30, 2);

    EXPECT_EQ(main.playerLabel.text(), QStringLiteral("新玩家先生"));
    EXPECT_EQ(main.zodiacLabel.text(), QStringLiteral("猴"));
    EXPECT_EQ(main.playerLine, main.playerLabel.text());
    EXPECT_EQ(main.zodiacLine, main.zodiacLabel.text());
}

TEST_F(MainDlgTest, APredictionRunsThroughSlotOneThenTheNumberPage) {
    Open();

    Navigate(10, 11);
    EXPECT_TRUE(Holds<CMakeGuaPage>(1));
    EXPECT_TRUE(PageView(1, false));
    Navigate(11, 12);
    EXPECT_TRUE(Holds<CShowGuaPage>(1));
    EXPECT_TRUE(PageView(1, false));
    Navigate(12, 13);
    EXPECT_TRUE(Holds<CExplainPage>(1));
    EXPECT_TRUE(PageView(1, true));
    Navigate(13, 14);
    EXPECT_EQ(window->pageContainer.GetPageCount(), 3);
    EXPECT_TRUE(Holds<CNumberPage>(2));
    EXPECT_TRUE(PageView(2, false));
    EXPECT_TRUE(Holds<CHistoryPage>(0));
}

TEST_F(MainDlgTest, BackAndForthAroundTheNumberPageKeepsBothPages) {
    Open();
    WalkToNumberPage();
    CPageDialog* explanation = Slot(1);
    CPageDialog* numbers = Slot(2);

    Navigate(14, 13);
    EXPECT_EQ(Slot(1), explanation);
    EXPECT_TRUE(PageView(1, true));
    Navigate(13, 14);
    EXPECT_EQ(Slot(2), numbers);
    EXPECT_EQ(window->pageContainer.GetPageCount(), 3);
    EXPECT_TRUE(PageView(2, false));
}

TEST_F(MainDlgTest, CodeZeroFromAnyStageGoesHome) {
    Open();
    for (const int stage : {10, 12, 13, 14, 20, 30}) {
        Navigate(12, 13);  // a full-height page view: labels and exit button hidden
        ASSERT_FALSE(HomeView());
        Navigate(stage, 0);
        EXPECT_TRUE(HomeView()) << "stage " << stage;
    }
}

TEST_F(MainDlgTest, EveryOtherStageAndCodePairIsIgnored) {
    CMainDlg& main = Open();
    WalkToNumberPage();
    Navigate(14, 13);
    const CPageDialog* before[3] = {Slot(0), Slot(1), Slot(2)};
    const QString label = main.playerLabel.text();

    const int ignored[][2] = {{10, 12}, {11, 11}, {11, 13}, {12, 12}, {12, 14}, {13, 13}, {13, 12}, {14, 14},
                              {14, 12}, {20, 2},  {30, 11}, {30, 13}, {15, 11}, {99, 14}, {10, -1}, {2, 30}};
    for (const auto& [stage, code] : ignored) {
        Navigate(stage, code);
        EXPECT_TRUE(PageView(1, true)) << stage << ", " << code;
    }
    EXPECT_EQ(Slot(0), before[0]);
    EXPECT_EQ(Slot(1), before[1]);
    EXPECT_EQ(Slot(2), before[2]);
    EXPECT_EQ(main.pageContainer.GetPageCount(), 3);
    EXPECT_EQ(main.playerLabel.text(), label);
}

TEST_F(MainDlgTest, APageAskingToBeReplacedOutlivesItsOwnClickHandler) {
    Open();
    QPointer<CStartPage> start = dynamic_cast<CStartPage*>(Slot(1));
    ASSERT_FALSE(start.isNull());

    start->castButton.click();
    EXPECT_EQ(Slot(1), start.data()) << "the main window acted before the page's handler returned";

    DeliverPosted();
    EXPECT_TRUE(Holds<CMakeGuaPage>(1));
    EXPECT_TRUE(start.isNull());
}

TEST_F(MainDlgTest, OpeningTheRecordsTwiceBuildsTwoPagesAndDeletesTheFirst) {
    Open();
    OpenView(20);
    QPointer<CPageDialog> first = Slot(0);
    EXPECT_TRUE(Holds<CHistoryPage>(0));
    EXPECT_TRUE(PageView(0, false));

    Navigate(20, 0);
    OpenView(20);

    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(Holds<CHistoryPage>(0));
    EXPECT_TRUE(PageView(0, false));
    EXPECT_EQ(window->pageContainer.GetPageCount(), 2);
}

TEST_F(MainDlgTest, AHoverThatArrivesAfterAPageOpenedStaysOffThatPage) {
    Open();
    PostMessageTo(window.get(), WM_OPENVIEW, 20, 0);
    PostMessageTo(window.get(), WM_SHOWPICTURE, 20,
                  0);  // the last move over the button, queued behind the click
    DeliverPosted();

    EXPECT_TRUE(PageView(0, false));
    EXPECT_FALSE(window->picture.isVisible());
    EXPECT_EQ(sounds, 0);

    Navigate(20, 0);
    PostMessageTo(window.get(), WM_SHOWPICTURE, 20, 0);
    DeliverPosted();
    EXPECT_TRUE(window->picture.isVisible());
    EXPECT_EQ(sounds, 1);
}

// The card belongs to the home view: whatever order the messages arrive in, no page is shown under it.
TEST_F(MainDlgTest, ShowingAPageHidesTheHoverCard) {
    Open();
    PostMessageTo(window.get(), WM_SHOWPICTURE, 15, 0);
    DeliverPosted();
    ASSERT_TRUE(window->picture.isVisible());

    Navigate(10, 11);

    EXPECT_TRUE(PageView(1, false));
    EXPECT_FALSE(window->picture.isVisible());
}

// A quick move onto 周易预测号码 and a click: the move's hover message is handled after the click was queued,
// so the picture it asks for arrives inside the date dialog's modal loop, while the home view is still up.
TEST_F(MainDlgTest, AHoverArrivingWhileTheDateDialogIsOpenShowsNoCard) {
    FixedClock clock(2010, 3, 5);
    Open();
    auto* panel = dynamic_cast<CNavPanel*>(window->navContainer.Page(0));
    ASSERT_NE(panel, nullptr);
    bool cardOverDialog = true;
    ModalAnswer<CDateInputDlg> answer([&](CDateInputDlg& dialog) {
        PostMessageTo(panel, WM_NAVHOVER, MessageParam(ViewKind::Records),
                      0);  // a move Qt sends around the dialog
        DeliverPosted();
        cardOverDialog = window->picture.isVisible();
        dialog.cancelButton.click();
    });

    PostMessageTo(panel, WM_NAVHOVER, MessageParam(ViewKind::Prediction), 0);
    PostMessageTo(window.get(), WM_OPENVIEW, 15, 0);
    DeliverPosted();

    ASSERT_EQ(answer.Count(), 1);
    EXPECT_FALSE(cardOverDialog);
    EXPECT_FALSE(window->picture.isVisible());
    EXPECT_EQ(sounds, 0);
    EXPECT_TRUE(HomeView());

    // Back on the home view with nothing above it, a move onto another button shows its card again.
    PostMessageTo(panel, WM_NAVHOVER, MessageParam(ViewKind::Player), 0);
    DeliverPosted();
    EXPECT_TRUE(window->picture.isVisible());
    EXPECT_EQ(sounds, 1);
}

TEST_F(MainDlgTest, ThePlayerProfileTakesTheRecordsSlot) {
    Open();
    QPointer<CPageDialog> records = Slot(0);

    OpenView(30);

    EXPECT_TRUE(Holds<CPlayerPage>(0));
    EXPECT_TRUE(PageView(0, false));
    EXPECT_TRUE(records.isNull());
}

TEST_F(MainDlgTest, AConfirmedDateStartsAFreshPredictionWithoutTheOldNumberPage) {
    FixedClock clock(2010, 3, 5, 9, 41, 7);
    Open();
    WalkToNumberPage();
    QPointer<CPageDialog> oldNumbers = Slot(2);
    ModalAnswer<CDateInputDlg> answer([](CDateInputDlg& dialog) {
        dialog.issueEdit.setText(QStringLiteral("10059"));
        dialog.okButton.click();
    });

    OpenView(15);

    ASSERT_EQ(answer.Count(), 1);
    EXPECT_EQ(window->pageContainer.GetPageCount(), 2);
    EXPECT_TRUE(oldNumbers.isNull());
    EXPECT_TRUE(Holds<CStartPage>(1));
    EXPECT_TRUE(PageView(1, false));
    const PredictionState& state = app->state;
    EXPECT_EQ(state.issueNumber, "10059");
    EXPECT_EQ(state.drawDate, COleDateTime(2010, 3, 5, 9, 41, 7));
    EXPECT_EQ(state.lunar.gregorianYear, 2010);
    EXPECT_EQ(state.lunar.gregorianMonth, 3);
    EXPECT_EQ(state.lunar.gregorianDay, 5);
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainDlgTest, ACancelledDateLeavesViewAndPredictionAsTheyWere) {
    FixedClock clock(2010, 3, 5);
    Open();
    app->state.issueNumber = "before";
    CPageDialog* start = Slot(1);
    ModalAnswer<CDateInputDlg> answer([](CDateInputDlg& dialog) { dialog.cancelButton.click(); });

    OpenView(15);

    ASSERT_EQ(answer.Count(), 1);
    EXPECT_TRUE(HomeView());
    EXPECT_EQ(Slot(1), start);
    EXPECT_EQ(app->state.issueNumber, "before");
}

TEST_F(MainDlgTest, TheAboutBoxOpensFromThePanelAndFromTheContextMenu) {
    CMainDlg& main = Open();
    ModalAnswer<CAboutDlg> about([](CAboutDlg& box) { box.accept(); });

    OpenView(50);
    EXPECT_EQ(about.Count(), 1);

    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QAction* aboutItem = menu->actions().back();
        EXPECT_EQ(aboutItem->text(), QStringLiteral("关于 morvint(&A)..."));
        menu->setActiveAction(aboutItem);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(400, 300),
                                 main.mapToGlobal(QPoint(400, 300)));
    QCoreApplication::sendEvent(&main, &rightClick);
    EXPECT_EQ(about.Count(), 2);
}

TEST_F(MainDlgTest, TheExitButtonEndsWithOkAndDeletesEveryPage) {
    CMainDlg& main = Open();
    QPointer<CPageDialog> records = Slot(0);
    QPointer<CPageDialog> panel = main.navContainer.Page(0);

    main.exitButton.click();
    DeliverPosted();

    EXPECT_EQ(main.result(), QDialog::Accepted);
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(main.pageContainer.GetPageCount(), 0);
    EXPECT_EQ(main.navContainer.GetPageCount(), 0);
    EXPECT_TRUE(records.isNull());
    EXPECT_TRUE(panel.isNull());
}

TEST_F(MainDlgTest, ClosingTheWindowEndsWithCancelAndDeletesEveryPage) {
    CMainDlg& main = Open();
    QPointer<CPageDialog> start = Slot(1);

    main.close();
    DeliverPosted();

    EXPECT_EQ(main.result(), QDialog::Rejected);
    EXPECT_EQ(main.pageContainer.GetPageCount(), 0);
    EXPECT_TRUE(start.isNull());
}

}  // namespace
