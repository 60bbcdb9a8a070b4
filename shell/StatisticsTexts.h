// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the statistics window shows, as texts: its four tables with their captions, the scope line, the prices
// and the closing sentences. The window paints them over its picture; the workbook's 统计 sheet writes them
// into cells, so both always say the same.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "store/HistoryStatistics.h"
#include "store/Ledger.h"

// What the window shows for one choice of records.
struct StatisticsFigures {
    HistoryStatistics stats;
    Ledger ledger;
};
StatisticsFigures ComputeStatisticsFigures(const std::vector<HistoryRecord>& records,
                                           const LedgerPrices& prices);
// Counts one more record, the next in list order: the figures of records read one at a time.
void AddToFigures(StatisticsFigures& figures, const HistoryRecord& record, const LedgerPrices& prices);

// One figure of a table: the text the window paints, and for a spreadsheet the number behind it and how the
// text shows it, so that a cell holds a number that sums and still reads as the window's text.
struct StatisticsCell {
    QString text;                  // "5 条", "14.78%", "0.81", "6384 元", or "—" before any draw
    std::optional<double> number;  // none for a dash; a rate as a fraction (0.1478), money in whole 元
    int decimals = 0;              // digits after the point in the text
    bool percent = false;          // the text is the number times 100 with a % after it
    QString unit;                  // after the number and a space: 条, 期, 元, or nothing
};

// One of the window's tables: its caption (only the ledger has one), its column titles (none for the counts),
// and its rows, each a caption and its cells.
struct StatisticsTable {
    struct Row {
        QString caption;
        std::vector<StatisticsCell> cells;
    };
    QString caption;
    QStringList columns;
    std::vector<Row> rows;
};

// The counts, the hits, the hits by code position and the ledger, in the window's reading order.
std::vector<StatisticsTable> StatisticsTables(const StatisticsFigures& figures);

// Every cell of the tables in reading order: what the window paints, and what its tests read.
QStringList StatisticsCellTexts(const StatisticsFigures& figures);

// What is counted: saved records of the shown choice; archived: how many records the archive holds (0: none);
// currentOnly: the history alone.
QString StatisticsScopeText(int saved, int archived, bool currentOnly);

// The prices the ledger assumes, in one line (Messages::kLedgerPrices).
QString LedgerPricesText(const LedgerPrices& prices);

// The sentence on chance, then on a second line the one on the ledger.
QString StatisticsSentence(const StatisticsFigures& figures);
