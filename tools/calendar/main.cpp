// SPDX-License-Identifier: GPL-3.0-or-later
// make_calendar_data [OUTPUT]: computes the calendar data and writes it to OUTPUT (standard output if none).
//
// On standard error it reports what a reader should know about the data: how far the ELP 2000-82B new moons
// lie from Meeus's independent series, and every new moon, 节 or principal term within ten minutes of
// midnight in Beijing time, with the delta T beyond which it would fall on the other day. Those are the dates
// on which published calendars may differ by a day.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "Astronomy.h"
#include "CalendarRules.h"
#include "DataWriter.h"
#include "MeeusNewMoon.h"

namespace {

constexpr CalendarSpan kSpan{2007, 2100, 2006, 2099};
constexpr double kNearMidnightSeconds = 600.0;
constexpr double kCloseCallSeconds = 60.0;

double JdeOfFirstJanuary(int year) {
    return JulianDayOfUnixDay(
        std::chrono::sys_days{std::chrono::year{year} / 1 / 1}.time_since_epoch().count());
}

// Reports an instant within ten minutes of midnight on standard error; one within a minute also goes into
// `closeCalls` for the data file's header.
void ReportNearMidnight(const char* what, double jde, std::vector<std::string>& closeCalls) {
    const double seconds = BeijingSecondsIntoDay(jde);
    const double fromMidnight = seconds < 43200.0 ? seconds : seconds - 86400.0;
    if (std::fabs(fromMidnight) > kNearMidnightSeconds) {
        return;
    }
    const std::chrono::year_month_day date{std::chrono::sys_days{std::chrono::days{BeijingDay(jde)}}};
    const double deltaT = DeltaTSeconds(jde);
    char line[200];
    std::snprintf(line, sizeof line,
                  "%-9s %04d-%02u-%02u %+6.1f s from midnight with delta T %.1f s; %s %.1f s", what,
                  static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), fromMidnight, deltaT,
                  fromMidnight >= 0 ? "the day before if delta T >" : "the day after if delta T <",
                  deltaT + fromMidnight);
    std::fprintf(stderr, "%s\n", line);
    if (std::fabs(fromMidnight) < kCloseCallSeconds) {
        closeCalls.emplace_back(line);
    }
}

void ReportMeeusAgreement(const std::vector<LunarMonth>& months) {
    double largest = 0.0;
    for (const LunarMonth& month : months) {
        const double meeus = MeeusNewMoon(MeeusLunationNear(month.newMoonJde));
        largest = std::max(largest, std::fabs(meeus - month.newMoonJde) * 86400.0);
        if (BeijingDay(meeus) != month.firstDay) {
            const std::chrono::year_month_day date{std::chrono::sys_days{std::chrono::days{month.firstDay}}};
            std::fprintf(stderr,
                         "Meeus's series puts the new moon of %04d-%02u-%02u on another day (%+.1f s)\n",
                         static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                         static_cast<unsigned>(date.day()), (meeus - month.newMoonJde) * 86400.0);
        }
    }
    std::fprintf(stderr, "%zu new moons; the largest difference from Meeus's series is %.1f s\n",
                 months.size(), largest);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<LunarMonth> months =
        ComputeLunarMonths(kSpan.firstLunarYear - 1, kSpan.lastLunarYear + 1);
    const std::vector<SolarTerm> terms = ComputeSolarTerms(JdeOfFirstJanuary(kSpan.firstSolarYear),
                                                           JdeOfFirstJanuary(kSpan.lastSolarYear + 1));
    ReportMeeusAgreement(months);
    std::vector<std::string> closeCalls;
    for (const LunarMonth& month : months) {
        ReportNearMidnight("new moon", month.newMoonJde, closeCalls);
    }
    for (const SolarTerm& term : terms) {
        ReportNearMidnight(term.longitude % 30 == 0 ? "principal" : "jie", term.jde, closeCalls);
    }
    if (argc > 1) {
        std::ofstream out(argv[1]);
        WriteCalendarData(out, kSpan, terms, months, closeCalls);
        return out.good() ? 0 : 1;
    }
    WriteCalendarData(std::cout, kSpan, terms, months, closeCalls);
    return 0;
}
