// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the player's fortune code: any bytes (a code typed with Chinese characters gives negative ones),
// with any years left in the year boxes, decode into twelve points on the chart without overflow or reads
// past the code, and the chart is either every level drawn at its height or the flat line, never a mix.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "pages/FortuneCode.h"
#include "res/Layout.h"

namespace {

int TakeInt(const std::uint8_t*& data, std::size_t& size) {
    std::int32_t value = 0;
    if (size >= sizeof value) {
        std::memcpy(&value, data, sizeof value);
        data += sizeof value;
        size -= sizeof value;
    }
    return value;
}

void CheckYears(const std::string& code, const FortuneChart& chart, int previousStart, int previousNext,
                int currentYear, CalendarEdition edition) {
    const char first = code[0];
    if (edition == CalendarEdition::Extended && first >= '0' && first <= '9') {
        Require(chart.startYear >= currentYear - 8 && chart.startYear <= currentYear + 1);
        Require(chart.startYear % 10 == first - '0' && chart.nextYear == chart.startYear + 1);
    } else if (edition == CalendarEdition::Extended) {
        Require(chart.startYear == previousStart && chart.nextYear == previousNext);
    } else if (first == '7' || first == '8' || first == '9' || first == '0') {
        Require(chart.startYear == (first == '0' ? 2010 : 2000 + (first - '0')));
        Require(chart.nextYear == chart.startYear + 1);
    } else {
        Require(chart.startYear == previousStart && chart.nextYear == previousNext);
    }
}

void CheckLevels(const FortuneChart& chart) {
    int lastPosition = 1;
    for (const int position : chart.badLevelPositions) {
        Require(position > lastPosition && position <= 13);
        lastPosition = position;
    }
    Require(chart.codeValid == chart.badLevelPositions.empty());
}

// The check before saving agrees with the chart: a code it passes has a first month of 1 .. 12 and every
// level drawn; a bad month is one not written as 1 .. 9 or A .. C.
void CheckFault(const std::string& code, const FortuneChart& chart) {
    const FortuneCodeFault fault = FindFortuneCodeFault(code);
    if (code.size() != kFortuneCodeLength) {
        Require(fault == FortuneCodeFault::wrongLength);
        return;
    }
    const char month = code[1];
    const bool written = (month >= '1' && month <= '9') || (month >= 'A' && month <= 'C');
    Require((fault == FortuneCodeFault::badMonth) == !written);
    if (written) {
        Require(chart.monthLabels[0] >= 1 && chart.monthLabels[0] <= kFortuneMonths);
        Require((fault == FortuneCodeFault::none) == chart.codeValid);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The current date comes from the clock; the previous years from the page's boxes, which hold any int.
    const int currentYear = 1970 + std::abs(TakeInt(data, size) % 8000);
    const int currentMonth = 1 + std::abs(TakeInt(data, size) % 12);
    const int previousStart = TakeInt(data, size);
    const int previousNext = TakeInt(data, size);
    const CalendarEdition edition =
        TakeInt(data, size) % 2 == 0 ? CalendarEdition::Classic : CalendarEdition::Extended;
    const std::string code(reinterpret_cast<const char*>(data), size);

    const FortuneChart chart =
        DecodeFortuneCode(code, currentYear, currentMonth, previousStart, previousNext, edition);
    CheckFault(code, chart);

    if (code.size() == kFortuneCodeLength) {
        CheckYears(code, chart, previousStart, previousNext, currentYear, edition);
        CheckLevels(chart);
    } else {
        Require(!chart.codeValid && chart.badLevelPositions.empty());
        Require(chart.startYear == currentYear && chart.nextYear == currentYear + 1);
        Require(chart.monthLabels[0] == currentMonth);
    }
    for (int i = 0; i < kFortuneMonths; ++i) {
        const FortuneChartPoint point = chart.chartPoints[i];
        Require(point.x == Layout::PlayerPage::ChartX(i + 1));
        if (chart.codeValid) {
            Require(chart.chartValues[i] >= 0 && chart.chartValues[i] <= kHighestFortuneLevel);
            Require(point.y == Layout::PlayerPage::ChartY(chart.chartValues[i]) && point.y >= 279 &&
                    point.y <= 402);
        } else {
            Require(point.y == kFlatChartY);
        }
        if (i > 0) {
            Require(chart.monthLabels[i] == chart.monthLabels[i - 1] % 12 + 1);
        }
    }
    return 0;
}
