// SPDX-License-Identifier: GPL-3.0-or-later
// Text from outside the program: what counts as UTF-8, how it is echoed safely, how full-width input folds to
// its plain forms, and how the bytes of a text file become UTF-8.
#include <gtest/gtest.h>

#include "core/Utf8Text.h"

namespace {

TEST(Utf8TextTest, OnlyWellFormedUtf8IsValid) {
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("记录 2026.csv"));
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x80\x84"));       // U+1F004, four bytes
    EXPECT_FALSE(IsValidUtf8("\xB2\xE2\xCA\xD4.csv"));  // 测试 in GBK
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));              // an overlong '/'
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));          // a surrogate
    EXPECT_FALSE(IsValidUtf8("\xE8\xAE"));              // cut short
}

TEST(Utf8TextTest, EchoEscapesWhatActsOnATerminalAndCutsLongText) {
    EXPECT_EQ(EchoText("第2行", 10), "第2行");
    EXPECT_EQ(EchoText("\x1B]2;title\x07\x1B[2J", 40), "\\x1B]2;title\\x07\\x1B[2J");
    EXPECT_EQ(EchoText(std::string("a\0b", 3), 10), "a\\x00b");
    EXPECT_EQ(EchoText("\xC2\x9B"
                       "31m",
                       10),
              "\\x9B31m")
        << "the one-character CSI of C1";
    EXPECT_EQ(EchoText("abc\xE2\x80\xAE"
                       "fdp.exe",
                       20),
              "abc\\u{202E}fdp.exe");
    EXPECT_EQ(EchoText("\xB2\xE2", 10), "\\xB2\\xE2");
    EXPECT_EQ(EchoText("一二三四五", 3), "一二三…");
    EXPECT_EQ(EchoText("一二三", 3), "一二三");
}

// Records for a terminal: the same escapes, but the lines stay lines and nothing is cut.
TEST(Utf8TextTest, TerminalTextKeepsTheLinesAndEscapesTheRest) {
    EXPECT_EQ(TerminalText("日期,期数\r\n2009-06-17,\x1B]2;owned\x07\r\n\ta\n"),
              "日期,期数\r\n2009-06-17,\\x1B]2;owned\\x07\r\n\ta\n");
    EXPECT_EQ(TerminalText("a\rb\r"), "a\\x0Db\\x0D") << "a lone carriage return would overwrite the line";
    EXPECT_EQ(TerminalText("\xE2\x80\xAE\xB2"), "\\u{202E}\\xB2");
    const std::string longText(100000, 'x');
    EXPECT_EQ(TerminalText(longText), longText);
}

TEST(Utf8TextTest, FullWidthFormsFoldToTheirPlainForms) {
    EXPECT_EQ(FoldFullWidth("１２３，２０２６－０１－０４；＠"), "123,2026-01-04;@");
    EXPECT_EQ(FoldFullWidth("\xE3\x80\x80期数"), " 期数") << "the ideographic space";
    EXPECT_EQ(FoldFullWidth("、。预测"), "、。预测") << "ideographic punctuation has no plain form";
    EXPECT_EQ(FoldFullWidth("\xB2\xE2"), "\xB2\xE2") << "bytes that are no UTF-8 pass untouched";
}

TEST(Utf8TextTest, TextFilesBecomeUtf8WhateverTheirByteOrderMark) {
    EXPECT_EQ(TextFileToUtf8("\xEF\xBB\xBF"
                             "1,123"),
              "1,123");
    EXPECT_EQ(TextFileToUtf8("1,123"), "1,123");
    // "期1" and U+1F004 as a surrogate pair, little- and big-endian; a lone surrogate is replaced.
    EXPECT_EQ(TextFileToUtf8(std::string("\xFF\xFE\x1F\x67"
                                         "1\0\x3C\xD8\x04\xDC",
                                         10)),
              "期1\xF0\x9F\x80\x84");
    EXPECT_EQ(TextFileToUtf8(std::string("\xFE\xFF\x67\x1F\0"
                                         "1\xD8\x3C",
                                         8)),
              "期1\xEF\xBF\xBD");
}

}  // namespace
