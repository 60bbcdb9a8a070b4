// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the divination core on the paths a prediction takes: converting the draw date, one cast (three
// readings with their sentences) and forming the eight codes. Each is far below what a page can notice; these
// keep it that way.
#include <benchmark/benchmark.h>

#include <vector>

#include "core/CLunarCalendar.h"
#include "core/CRandomTable.h"
#include "core/CalendarEdition.h"
#include "core/Cast.h"
#include "core/PredictionState.h"

namespace {

// One conversion per iteration under the given edition, walking every date of its range in turn.
void ConvertEveryDate(benchmark::State& state, CalendarEdition edition) {
    SetCalendarEdition(edition);
    std::vector<COleDateTime> dates;
    for (COleDateTime day = FirstConvertibleDate(); day <= LastConvertibleDate(edition);
         day = COleDateTime::FromOleDate(day.GetOleDate() + 1)) {
        dates.push_back(day);
    }
    CLunarCalendar calendar;
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar.Convert(dates[next]));
        benchmark::DoNotOptimize(calendar.dayPillar.data());
        next = next + 1 == dates.size() ? 0 : next + 1;
    }
    SetCalendarEdition(CalendarEdition::Classic);
}

// 2007-02-04 .. 2012-02-04, the range the program was made for.
void BM_Convert(benchmark::State& state) {
    ConvertEveryDate(state, CalendarEdition::Classic);
}
BENCHMARK(BM_Convert);

// 2007-02-04 .. 2099-12-31: eighteen times the dates, a table of nearly twenty times the months.
void BM_ConvertExtendedSpan(benchmark::State& state) {
    ConvertEveryDate(state, CalendarEdition::Extended);
}
BENCHMARK(BM_ConvertExtendedSpan);

// One cast per iteration, walking every casting number.
void BM_CastFromNumber(benchmark::State& state) {
    PredictionState prediction;
    benchmark::DoNotOptimize(prediction.lunar.Convert(COleDateTime(2009, 6, 17)));
    int number = 10;
    for (auto _ : state) {
        CastFromNumber(prediction, number);
        benchmark::DoNotOptimize(prediction.changedGua.get());
        number = number == 32767 ? 10 : number + 1;
    }
}
BENCHMARK(BM_CastFromNumber);

void BM_FormEightCodes(benchmark::State& state) {
    CRandomTable table;
    table.Fill(20090617);
    for (auto _ : state) {
        auto codes = FormEightCodes(table);
        benchmark::DoNotOptimize(codes.data());
    }
}
BENCHMARK(BM_FormEightCodes);

}  // namespace

BENCHMARK_MAIN();
