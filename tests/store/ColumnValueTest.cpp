// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "store/CColumnValue.h"

TEST(CColumnValue, TextOfEachStoredType) {
    std::string out = "unchanged";
    EXPECT_TRUE(CColumnValue(std::string("未知")).ToText(out));
    EXPECT_EQ(out, "未知");
    EXPECT_TRUE(CColumnValue(std::int64_t{47}).ToText(out));
    EXPECT_EQ(out, "47");  // digits of the number: a lost leading zero is not invented back
    EXPECT_TRUE(CColumnValue(2.5).ToText(out));
    EXPECT_EQ(out, "2.5");
    out = "unchanged";
    EXPECT_FALSE(CColumnValue().ToText(out));
    EXPECT_FALSE(CColumnValue(CColumnValue::Blob{}).ToText(out));
    EXPECT_EQ(out, "unchanged");
}

TEST(CColumnValue, IntegersKeepTheirLowSixteenBitsSigned) {
    const auto read = [](const CColumnValue& value) {
        int out = -999;
        return value.ToInt16(out) ? out : -999;
    };
    EXPECT_EQ(read(CColumnValue(std::int64_t{11})), 11);
    EXPECT_EQ(read(CColumnValue(std::int64_t{65537})), 1);
    EXPECT_EQ(read(CColumnValue(std::int64_t{40000})), -25536);
    EXPECT_EQ(read(CColumnValue(std::int64_t{-1})), -1);
    EXPECT_EQ(read(CColumnValue(std::string(" +12 "))), 12);
    EXPECT_EQ(read(CColumnValue(std::string("2.5"))), 2);  // halves round to even
    EXPECT_EQ(read(CColumnValue(3.5)), 4);
    EXPECT_EQ(read(CColumnValue(std::string("12abc"))), -999);
    EXPECT_EQ(read(CColumnValue(std::string(""))), -999);
    EXPECT_EQ(read(CColumnValue(1e300)), -999);
    EXPECT_EQ(read(CColumnValue()), -999);
}

TEST(CColumnValue, DatesAreExactlyTheStoredDateText) {
    const COleDateTime evening(2009, 6, 17, 21, 5, 9);
    const std::string text = CColumnValue::FormatDate(evening);
    EXPECT_EQ(text, "2009-06-17 21:05:09");
    COleDateTime out;
    ASSERT_TRUE(CColumnValue(text).ToDate(out));
    EXPECT_EQ(out, evening);
    EXPECT_EQ(CColumnValue::FormatDate(COleDateTime(2009, 2, 30)), "");
    EXPECT_EQ(CColumnValue::FormatDate(COleDateTime(100, 1, 1)), "0100-01-01 00:00:00");

    for (const char* notADate :
         {"2009-06-17", "2009-6-17 21:05:09", "2009-06-17T21:05:09", "2009-06-17 21:05:09.5",
          "2009-02-29 00:00:00", "2009-06-17 24:00:00", "-009-06-17 21:05:09", ""}) {
        EXPECT_FALSE(CColumnValue(std::string(notADate)).ToDate(out)) << notADate;
    }
    EXPECT_FALSE(CColumnValue(39981.5).ToDate(out));
    EXPECT_FALSE(CColumnValue().ToDate(out));
    EXPECT_EQ(out, evening);  // failures leave the target alone
}
