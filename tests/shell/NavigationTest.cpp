// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window makes of each (stage, code) pair a page posts. The pairs are written as the numbers
// that travel in the messages, so the names cannot drift from them.
#include <gtest/gtest.h>

#include <ostream>

#include "shell/Navigation.h"

void PrintTo(NavTarget target, std::ostream* out) {
    static const char* const names[] = {"Ignore",      "Home",       "MakePage",         "ShowPage",
                                        "ExplainPage", "NumberPage", "ExplainPageAgain", "PlayerLabels"};
    *out << names[static_cast<int>(target)];
}

namespace {

struct Pair {
    int stage;
    int code;
    NavTarget target;
};

NavTarget Next(int stage, int code) {
    return NextView(static_cast<NavStage>(stage), static_cast<NavCode>(code));
}

TEST(NavigationTest, EveryPairThePagesPostLeadsWhereThePageMeantIt) {
    const Pair posted[] = {
        {10, 11, NavTarget::MakePage},          // start page, after the cast
        {11, 12, NavTarget::ShowPage},          // make page, end of its animation
        {12, 13, NavTarget::ExplainPage},       // show page, next
        {13, 14, NavTarget::NumberPage},        // explanation page, next
        {14, 13, NavTarget::ExplainPageAgain},  // number page, back
        {30, 2, NavTarget::PlayerLabels},       // player page, profile saved
        {10, 0, NavTarget::Home},               // the 返回 of every page
        {12, 0, NavTarget::Home},
        {13, 0, NavTarget::Home},
        {14, 0, NavTarget::Home},
        {20, 0, NavTarget::Home},
        {30, 0, NavTarget::Home},
    };
    for (const auto& [stage, code, target] : posted) {
        EXPECT_EQ(Next(stage, code), target) << stage << ", " << code;
    }
}

TEST(NavigationTest, CodeZeroGoesHomeEvenFromAStageNoPageHas) {
    for (const int stage : {11, 0, 15, 99, -1}) {
        EXPECT_EQ(Next(stage, 0), NavTarget::Home) << stage;
    }
}

TEST(NavigationTest, EveryOtherPairIsIgnored) {
    // Known numbers in the wrong combination, codes of the wrong direction and numbers no window posts.
    const int ignored[][2] = {{10, 12}, {11, 11}, {11, 13}, {12, 12}, {12, 14}, {13, 13}, {13, 12},
                              {14, 14}, {14, 12}, {20, 2},  {20, 11}, {30, 11}, {30, 13}, {10, 2},
                              {15, 11}, {99, 14}, {10, -1}, {2, 30},  {0, 2},   {40, 14}};
    for (const auto& [stage, code] : ignored) {
        EXPECT_EQ(Next(stage, code), NavTarget::Ignore) << stage << ", " << code;
    }
}

}  // namespace
