// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/FortuneCode.h"

#include "res/Layout.h"

namespace {

// The code's bytes are signed: a byte of a Chinese character is negative and never counts as a letter.
int SignedByte(const std::string& code, std::size_t position) {
    return static_cast<signed char>(code[position]);
}

int DecodeMonth(int byte) {
    return byte >= 'A' ? byte - 55 : byte - 48;
}

int DecodeLevel(int byte) {
    return byte >= 'A' ? byte - 65 : byte - 48;
}

// The year ending in digit from currentYear - 8 to currentYear + 1: the last years of records, and the next.
int ExtendedYear(int digit, int currentYear) {
    const int first = currentYear - 8;
    return first + ((digit - first % 10) % 10 + 10) % 10;
}

void DecodeYears(int byte, int currentYear, CalendarEdition edition, int& startYear, int& nextYear) {
    if (edition == CalendarEdition::Extended) {
        if (byte >= '0' && byte <= '9') {
            startYear = ExtendedYear(byte - '0', currentYear);
            nextYear = startYear + 1;
        }
        return;
    }
    switch (byte) {
        case '7':
            startYear = 2007;
            break;
        case '8':
            startYear = 2008;
            break;
        case '9':
            startYear = 2009;
            break;
        case '0':
            startYear = 2010;
            break;
        default:
            return;  // no year of the program's range: the years stay
    }
    nextYear = startYear + 1;
}

}  // namespace

FortuneCodeFault FindFortuneCodeFault(const std::string& code) {
    if (code.size() != kFortuneCodeLength) {
        return FortuneCodeFault::wrongLength;
    }
    // Only the characters the code is written with: ':' to '<' would decode to 10 .. 12 as well.
    const char month = code[1];
    if (!((month >= '1' && month <= '9') || (month >= 'A' && month <= 'C'))) {
        return FortuneCodeFault::badMonth;
    }
    for (std::size_t position = 2; position < kFortuneCodeLength; ++position) {
        const int level = DecodeLevel(SignedByte(code, position));
        if (level < 0 || level > kHighestFortuneLevel) {
            return FortuneCodeFault::badLevel;
        }
    }
    return FortuneCodeFault::none;
}

FortuneChart DecodeFortuneCode(const std::string& code, int currentYear, int currentMonth,
                               int previousStartYear, int previousNextYear, CalendarEdition edition) {
    FortuneChart chart;
    chart.startYear = previousStartYear;
    chart.nextYear = previousNextYear;
    int firstMonth = currentMonth;
    if (code.size() == kFortuneCodeLength) {
        DecodeYears(SignedByte(code, 0), currentYear, edition, chart.startYear, chart.nextYear);
        firstMonth = DecodeMonth(SignedByte(code, 1));
        chart.codeValid = true;
    } else {
        chart.startYear = currentYear;
        chart.nextYear = currentYear + 1;
    }
    // Each label follows the one before, wrapping 12 to 1. A first month out of 1 .. 12 (a code with any
    // other character there) runs on by the same rule, with the remainder's sign taken from the dividend.
    chart.monthLabels[0] = firstMonth;
    for (int i = 1; i < kFortuneMonths; ++i) {
        chart.monthLabels[i] = chart.monthLabels[i - 1] % 12 + 1;
    }
    if (chart.codeValid) {
        for (int i = 0; i < kFortuneMonths; ++i) {
            const int position = i + 2;
            chart.chartValues[i] = DecodeLevel(SignedByte(code, position));
            if (chart.chartValues[i] < 0 || chart.chartValues[i] > kHighestFortuneLevel) {
                chart.badLevelPositions.push_back(position);
            }
        }
        chart.codeValid = chart.badLevelPositions.empty();
    }
    for (int i = 0; i < kFortuneMonths; ++i) {
        const int y = chart.codeValid ? Layout::PlayerPage::ChartY(chart.chartValues[i]) : kFlatChartY;
        chart.chartPoints[i] = {Layout::PlayerPage::ChartX(i + 1), y};
    }
    return chart;
}
