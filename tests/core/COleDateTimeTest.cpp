// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/COleDateTime.h"
#include "tests/support/FixedClock.h"

TEST(COleDateTime, KnownSerialNumbers) {
    EXPECT_DOUBLE_EQ(COleDateTime(1899, 12, 30).GetOleDate(), 0.0);
    EXPECT_DOUBLE_EQ(COleDateTime(1900, 1, 1).GetOleDate(), 2.0);
    EXPECT_DOUBLE_EQ(COleDateTime(2009, 6, 17).GetOleDate(), 39981.0);
    EXPECT_DOUBLE_EQ(COleDateTime(2009, 6, 17, 18, 0, 0).GetOleDate(), 39981.75);
    // Before the epoch the time of day is a positive fraction after a negative day number.
    EXPECT_DOUBLE_EQ(COleDateTime(1899, 12, 29, 6, 0, 0).GetOleDate(), -1.25);
}

TEST(COleDateTime, PartsRoundTripOverManyYears) {
    for (int y : {1899, 1900, 2000, 2009, 2011, 2012, 2100}) {
        for (int m = 1; m <= 12; ++m) {
            const COleDateTime d(y, m, 28, 23, 59, 59);
            ASSERT_EQ(d.GetStatus(), COleDateTime::valid);
            EXPECT_EQ(d.GetYear(), y);
            EXPECT_EQ(d.GetMonth(), m);
            EXPECT_EQ(d.GetDay(), 28);
            EXPECT_EQ(d.GetHour(), 23);
            EXPECT_EQ(d.GetMinute(), 59);
            EXPECT_EQ(d.GetSecond(), 59);
        }
    }
}

TEST(COleDateTime, OutOfRangePartsMakeAnInvalidDate) {
    EXPECT_EQ(COleDateTime(2009, 2, 29).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(2009, 13, 1).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(2009, 1, 1, 24).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(99, 1, 1).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(2009, 2, 29).GetYear(), -1);
    EXPECT_EQ(COleDateTime(2008, 2, 29).GetStatus(), COleDateTime::valid);
    EXPECT_EQ(COleDateTime::FromOleDate(1e12).GetStatus(), COleDateTime::invalid);
}

TEST(COleDateTime, ComparisonAndWholeDayDifferenceTruncateTowardZero) {
    const COleDateTime morning(2009, 6, 17, 9, 0, 0);
    const COleDateTime evening(2009, 6, 17, 21, 0, 0);
    EXPECT_LT(morning, evening);
    EXPECT_EQ((evening - morning).GetDays(), 0);
    EXPECT_EQ((morning - COleDateTime(2009, 6, 18)).GetDays(), 0);  // -0.625 days truncates to 0
    EXPECT_EQ((COleDateTime(2009, 6, 16) - COleDateTime(2009, 6, 17)).GetDays(), -1);
    EXPECT_EQ((COleDateTime(2012, 2, 4) - COleDateTime(2007, 1, 30)).GetDays(), 1831);
    EXPECT_LT(COleDateTime(1899, 12, 29, 6, 0, 0), COleDateTime(1899, 12, 29, 18, 0, 0));
    EXPECT_EQ(evening.DateOnly(), COleDateTime(2009, 6, 17));
}

TEST(COleDateTime, CurrentTimeComesFromTheClockSeam) {
    FixedClock clock(2010, 3, 5, 14, 30, 15);
    const COleDateTime now = COleDateTime::GetCurrentTime();
    EXPECT_EQ(now.GetYear(), 2010);
    EXPECT_EQ(now.GetMonth(), 3);
    EXPECT_EQ(now.GetDay(), 5);
    EXPECT_EQ(now.GetHour(), 14);
    EXPECT_EQ(now.GetMinute(), 30);
    EXPECT_EQ(now.GetSecond(), 15);
}
