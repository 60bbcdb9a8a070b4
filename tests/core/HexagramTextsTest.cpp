// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/GuaTables.h"
#include "core/HexagramTexts.h"

namespace {

std::string Numeral(int n) {
    static const char* const digits[10] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
    if (n < 10) {
        return digits[n];
    }
    return std::string(n / 10 == 1 ? "" : digits[n / 10]) + "十" + digits[n % 10];
}

// The label a line statement must carry, from the line pattern of the hexagram's trigrams.
std::string LineLabel(int upper, int lower, int line) {
    const int value = line <= 3 ? TRIGRAM_LINES[lower][line] : TRIGRAM_LINES[upper][line - 3];
    const std::string kind = value == 1 ? "九" : "六";
    static const char* const middle[7] = {"", "", "二", "三", "四", "五", ""};
    if (line == 1) {
        return "初" + kind;
    }
    if (line == 6) {
        return "上" + kind;
    }
    return kind + middle[line];
}

std::string Text(int id) {
    return std::string(HexagramText(id));
}

}  // namespace

TEST(HexagramTexts, QuotedEntriesReadExactly) {
    EXPECT_EQ(Text(2001), "乾（一）");
    EXPECT_EQ(Text(2002), "乾：元亨，利贞。");
    EXPECT_EQ(Text(2003), "初九　　潜龙，勿用。");
    EXPECT_EQ(Text(2008), "上九　　亢龙，有悔。 ");
    EXPECT_EQ(Text(2019), "初九　　磐桓，利居贞，利建侯。");
    EXPECT_EQ(Text(2020), "六二　　屯如邅如，乘马班如，匪寇婚媾。女子贞不字，十年乃字。");
    EXPECT_EQ(Text(2065), "小畜（九）");
    EXPECT_EQ(Text(2074), "履虎尾，不咥人，亨。");
    EXPECT_EQ(Text(2201), "大畜（二十六）");
    EXPECT_EQ(Text(2506), "未济：亨。小狐汔济，濡其尾，无攸利。 ");
}

TEST(HexagramTexts, IdsOutsideTheTableAreEmpty) {
    for (int id : {0, -1, 2000, 2513, 1994, 100000}) {
        EXPECT_EQ(HexagramText(id), "") << id;
    }
}

// Every entry against the format rules and against the trigram tables: titles name the hexagram of the
// table with its number, judgements open with the name, and each line label agrees with the line pattern.
TEST(HexagramTexts, EveryEntryFollowsTheTableLayout) {
    const std::map<std::string, std::string> textForm = {{"小蓄", "小畜"}, {"大蓄", "大畜"}, {"遁", "遯"}};
    int seen = 0;
    for (int upper = 1; upper <= 8; ++upper) {
        for (int lower = 1; lower <= 8; ++lower) {
            const HexagramEntry& hexagram = HEXAGRAM_TABLE[upper][lower];
            const int n = hexagram.number;
            const int first = 2001 + 8 * (n - 1);
            const auto variant = textForm.find(hexagram.name);
            const std::string name = variant == textForm.end() ? hexagram.name : variant->second;
            SCOPED_TRACE(name);
            EXPECT_EQ(Text(first), name + "（" + Numeral(n) + "）");
            const std::string judgement = Text(first + 1);
            if (n == 10 || n == 12) {  // 履 and 否 run on from the name
                EXPECT_TRUE(judgement.starts_with(name) && !judgement.starts_with(name + "："));
            } else if (n == 29) {
                EXPECT_TRUE(judgement.starts_with("习坎：")) << judgement;
            } else {
                EXPECT_TRUE(judgement.starts_with(name + "：")) << judgement;
            }
            for (int line = 1; line <= 6; ++line) {
                const std::string text = Text(first + 1 + line);
                const std::string prefix = LineLabel(upper, lower, line) + "　　";
                ASSERT_TRUE(text.starts_with(prefix)) << text;
                EXPECT_GT(text.size(), prefix.size() + 3) << text;
            }
            ++seen;
        }
    }
    EXPECT_EQ(seen, 64);
}

TEST(HexagramTexts, OnlyTheTwoKnownEntriesEndInABlank) {
    for (int id = kFirstHexagramTextId; id <= kLastHexagramTextId; ++id) {
        const std::string text = Text(id);
        ASSERT_FALSE(text.empty()) << id;
        EXPECT_EQ(text.ends_with(' '), id == 2008 || id == 2506) << id;
        // Blanks and other ASCII have no place inside the classical text.
        const std::string body = text.ends_with(' ') ? text.substr(0, text.size() - 1) : text;
        for (unsigned char c : body) {
            EXPECT_GE(c, 0x80) << id << ": " << text;
        }
        EXPECT_EQ(text.find("　　　"), std::string::npos) << id;
    }
}
