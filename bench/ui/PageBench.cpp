// SPDX-License-Identifier: GPL-3.0-or-later
// The main window inside this process, with a history of 399 records: a page switch from the posted message
// to the new page painted, opening the records page, painting one page with its background read from its
// file, as every paint does, and entering a draw number on the records page.
#include <benchmark/benchmark.h>

#include <vector>

#include "app/CMainDlg.h"
#include "bench/ui/CBenchWindow.h"
#include "controls/PostedMessage.h"
#include "pages/CHistoryPage.h"

namespace {

struct Message {
    int message;
    int wParam;
    int lParam;
};

constexpr Message kToMake{WM_NAVIGATE, 10, 11};
constexpr Message kToShow{WM_NAVIGATE, 11, 12};
constexpr Message kToExplanation{WM_NAVIGATE, 12, 13};
constexpr Message kToNumbers{WM_NAVIGATE, 13, 14};
constexpr Message kBackToExplanation{WM_NAVIGATE, 14, 13};
constexpr Message kHome{WM_NAVIGATE, 20, 0};
constexpr Message kOpenRecords{WM_OPENVIEW, 20, 0};
constexpr Message kOpenPlayer{WM_OPENVIEW, 30, 0};

bool Post(CBenchWindow& bench, const Message& m) {
    return bench.PostAndPaint(m.message, m.wParam, m.lParam);
}

bool ReportError(benchmark::State& state, const CBenchWindow& bench) {
    const QString error = bench.Error();
    if (!error.isEmpty()) {
        state.SkipWithError(error.toStdString().c_str());
        return true;
    }
    return false;
}

// Each iteration posts the messages in turn, one switch each: a page is built, shown and painted, and the one
// it replaces deleted. The steps before set up the view the switches start from.
void BM_PageSwitch(benchmark::State& state, std::vector<Message> before, std::vector<Message> cycle) {
    CBenchWindow bench(399);
    for (const Message& m : before) {
        Post(bench, m);
    }
    std::size_t next = 0;
    for (auto _ : state) {
        if (!Post(bench, cycle[next])) {
            state.SkipWithError("the new page was not painted");
            return;
        }
        next = (next + 1) % cycle.size();
    }
    ReportError(state, bench);
}
BENCHMARK_CAPTURE(BM_PageSwitch, to_make_page, {}, {kToMake})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PageSwitch, to_show_page, {kToMake}, {kToShow})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PageSwitch, to_explanation_page, {}, {kToExplanation})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PageSwitch, explanation_and_number_pages, {kToExplanation},
                  {kToNumbers, kBackToExplanation})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PageSwitch, to_player_page, {}, {kOpenPlayer})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PageSwitch, records_page_399_records, {}, {kOpenRecords})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PageSwitch, page_to_home, {kOpenPlayer}, {kHome, kOpenPlayer})
    ->Unit(benchmark::kMillisecond);

// One paint of the page the steps lead to, its background picture read from its file.
void BM_PaintPage(benchmark::State& state, std::vector<Message> steps) {
    CBenchWindow bench(399);
    for (const Message& m : steps) {
        Post(bench, m);
    }
    for (auto _ : state) {
        if (!bench.RepaintShown()) {
            state.SkipWithError("the page was not painted");
            return;
        }
    }
    ReportError(state, bench);
}
BENCHMARK_CAPTURE(BM_PaintPage, home_panel, {})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PaintPage, make_page, {kToMake})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PaintPage, show_page, {kToShow})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PaintPage, explanation_page, {kToExplanation})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PaintPage, number_page, {kToExplanation, kToNumbers})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PaintPage, records_page_399_records, {kOpenRecords})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PaintPage, player_page, {kOpenPlayer})->Unit(benchmark::kMillisecond);

// The draw number of the first record still waiting for one: the write with its check in the file, the
// reload, and the 399 rows shown again as the file holds them. The last 40 records wait; one per round.
void BM_EnterDrawResult(benchmark::State& state) {
    CBenchWindow bench(399);
    Post(bench, kOpenRecords);
    auto* records = dynamic_cast<CHistoryPage*>(bench.ShownPage());
    if (records == nullptr) {
        state.SkipWithError("the records page did not open");
        return;
    }
    int row = 399 - 40;
    for (auto _ : state) {
        records->list.setCurrentCell(row, 0);
        records->drawNumberEdit.setText(QStringLiteral("999"));
        records->confirmButton.click();
        if (records->list.CellText(row, 10) != QStringLiteral("999")) {
            state.SkipWithError("the draw number was not stored");
            return;
        }
        ++row;
    }
    ReportError(state, bench);
}
BENCHMARK(BM_EnterDrawResult)->Iterations(30)->Unit(benchmark::kMillisecond);

}  // namespace
