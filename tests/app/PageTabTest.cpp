// SPDX-License-Identifier: GPL-3.0-or-later
// The page container: a stack of at most 16 pages with one shown, pages deleted only from the event loop.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPointer>

#include "app/CPageTab.h"
#include "shell/CPageDialog.h"

namespace {

void RunDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class PageTabTest : public ::testing::Test {
protected:
    void SetUp() override {
        container.resize(700, 455);
        container.show();
    }
    void TearDown() override { RunDeferredDeletes(); }

    CPageDialog* Add(int templateId = 130) {
        auto* page = new CPageDialog();
        EXPECT_TRUE(container.AddPage(page, templateId));
        return page;
    }

    CPageTab container;
};

TEST_F(PageTabTest, FirstPageIsShownAndLaterOnesWaitHiddenInsideTheContainer) {
    CPageDialog* first = Add(131);
    CPageDialog* second = Add(130);

    EXPECT_EQ(container.GetPageCount(), 2);
    EXPECT_EQ(first->parentWidget(), &container);
    EXPECT_FALSE(first->isWindow());
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(second->isVisible());
    EXPECT_EQ(container.TemplateId(0), 131);
    EXPECT_EQ(container.TemplateId(1), 130);
}

TEST_F(PageTabTest, APageToBeBuiltLaterTakesItsSlotAndIsBuiltWhenShownOrAskedFor) {
    int built = 0;
    const auto build = [&built] {
        ++built;
        return new CPageDialog();
    };
    ASSERT_TRUE(container.AddPage(build, 131));
    ASSERT_TRUE(container.AddPage(build, 130));
    ASSERT_TRUE(container.AddPage(build, 132));
    EXPECT_EQ(container.GetPageCount(), 3);
    EXPECT_EQ(built, 0) << "not even the first page, the shown one";

    container.ShowPage(1);
    EXPECT_EQ(built, 1);
    ASSERT_NE(container.Page(1), nullptr);
    EXPECT_TRUE(container.Page(1)->isVisible());
    EXPECT_EQ(container.Page(1)->parentWidget(), &container);

    // Replaced before it was ever built: it never is.
    container.SetPage(2, new CPageDialog(), 132);
    EXPECT_EQ(built, 1);
    // Asked for, a page is built hidden unless it is the shown one.
    ASSERT_NE(container.Page(0), nullptr);
    EXPECT_EQ(built, 2);
    EXPECT_FALSE(container.Page(0)->isVisible());
}

TEST_F(PageTabTest, AFullContainerRefusesTheSeventeenthPageAndDeletesIt) {
    for (int i = 0; i < CPageTab::kMaxPages; ++i) {
        Add();
    }
    QPointer<CPageDialog> extra = new CPageDialog();

    EXPECT_FALSE(container.AddPage(extra, 130));

    EXPECT_EQ(container.GetPageCount(), CPageTab::kMaxPages);
    EXPECT_TRUE(extra.isNull());
}

TEST_F(PageTabTest, ShowPageSwapsTheShownPageAndReportsThePreviousIndex) {
    CPageDialog* first = Add();
    CPageDialog* second = Add();

    EXPECT_EQ(container.ShowPage(1), 0);
    EXPECT_FALSE(first->isVisible());
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(container.CurrentIndex(), 1);

    EXPECT_EQ(container.ShowPage(2), -1);
    EXPECT_EQ(container.ShowPage(-1), -1);
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(container.CurrentIndex(), 1);
}

TEST_F(PageTabTest, SetPageReplacesHiddenAndDeletesTheOldPageOnlyFromTheEventLoop) {
    Add();
    QPointer<CPageDialog> old = Add();
    auto* replacement = new CPageDialog();

    container.SetPage(1, replacement, 132);

    ASSERT_FALSE(old.isNull()) << "deleted while its caller may still be running";
    EXPECT_FALSE(old->isVisible());
    EXPECT_EQ(container.Page(1), replacement);
    EXPECT_EQ(container.TemplateId(1), 132);
    EXPECT_EQ(container.GetPageCount(), 2);
    EXPECT_FALSE(replacement->isVisible());
    RunDeferredDeletes();
    EXPECT_TRUE(old.isNull());
}

TEST_F(PageTabTest, RemovingTheLastPageShortensTheStackButAHoleDoesNot) {
    Add();
    Add();
    QPointer<CPageDialog> third = Add();

    container.RemovePage(2);
    EXPECT_EQ(container.GetPageCount(), 2);
    EXPECT_EQ(container.Page(2), nullptr);

    container.RemovePage(0);
    EXPECT_EQ(container.GetPageCount(), 2);
    EXPECT_EQ(container.Page(0), nullptr);

    RunDeferredDeletes();
    EXPECT_TRUE(third.isNull());
}

TEST_F(PageTabTest, DeleteAllPagesEmptiesTheContainer) {
    QPointer<CPageDialog> first = Add();
    QPointer<CPageDialog> second = Add();

    container.DeleteAllPages();

    EXPECT_EQ(container.GetPageCount(), 0);
    EXPECT_EQ(container.Page(0), nullptr);
    RunDeferredDeletes();
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(second.isNull());
}

}  // namespace
