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

void DecodeYears(int byte, int& startYear, int& nextYear) {
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

FortuneChart DecodeFortuneCode(const std::string& code, int currentYear, int currentMonth,
                               int previousStartYear, int previousNextYear) {
    FortuneChart chart;
    chart.startYear = previousStartYear;
    chart.nextYear = previousNextYear;
    int firstMonth = currentMonth;
    if (code.size() == kFortuneCodeLength) {
        DecodeYears(SignedByte(code, 0), chart.startYear, chart.nextYear);
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
