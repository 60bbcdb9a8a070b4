// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/StatisticsTexts.h"

#include <cmath>

#include "shell/QtMessageTexts.h"

namespace {

// A whole number, with a unit after it or none: "115 期", "16".
StatisticsCell Whole(long long number, const QString& unit = {}) {
    const QString text = QString::number(number);
    return {unit.isEmpty() ? text : text + QLatin1Char(' ') + unit, static_cast<double>(number), 0, false,
            unit};
}

// Hits (seen or expected) per draw, as a percentage; a dash before any draw.
StatisticsCell Percent(double hits, int draws) {
    if (draws == 0) {
        return {QStringLiteral("—"), std::nullopt, 0, false, {}};
    }
    const double rate = hits / draws;
    return {QString::number(100.0 * rate, 'f', 2) + QLatin1Char('%'), rate, 2, true, {}};
}

// Expected hits: two significant digits below one (0.024, 0.8), one decimal from one on (1.0, 5.2).
StatisticsCell Expected(double hits) {
    if (hits >= 1) {
        return {QString::number(hits, 'f', 1), hits, 1, false, {}};
    }
    const QString text = QString::number(hits, 'g', 2);
    if (text.contains(u'e')) {  // far below any count of draws; a spreadsheet could not show it so
        return {text, std::nullopt, 0, false, {}};
    }
    const qsizetype point = text.indexOf(u'.');
    const int decimals = point < 0 ? 0 : static_cast<int>(text.size() - point - 1);
    return {text, hits, decimals, false, {}};
}

// Whole 元, rounded: "1073 元"; the spreadsheet keeps the amount unrounded and rounds it the same way.
StatisticsCell Yuan(double amount) {
    StatisticsCell cell = Whole(std::llround(amount), QStringLiteral("元"));
    cell.number = amount;
    return cell;
}

StatisticsTable Counts(const HistoryStatistics& stats) {
    return {{},
            {},
            {{QStringLiteral("已保存预测"), {Whole(stats.saved, QStringLiteral("条"))}},
             {QStringLiteral("已开奖"), {Whole(stats.entered, QStringLiteral("期"))}},
             {QStringLiteral("待开奖"), {Whole(stats.pending, QStringLiteral("条"))}}}};
}

std::vector<StatisticsCell> HitCells(int hits, double expected, int draws) {
    return {Whole(hits), Percent(hits, draws), Percent(expected, draws), Expected(expected)};
}

StatisticsTable Hits(const HistoryStatistics& stats) {
    return {{},
            {QStringLiteral("命中"), QStringLiteral("命中率"), QStringLiteral("偶然率"),
             QStringLiteral("偶然期望")},
            {{QStringLiteral("直选（正确）"),
              HitCells(stats.exactHits, stats.ExpectedExactHits(), stats.entered)},
             {QStringLiteral("组选（任意序）"),
              HitCells(stats.boxHits, stats.ExpectedBoxHits(), stats.entered)}}};
}

StatisticsTable Positions(const HistoryStatistics& stats) {
    StatisticsTable table{{}, {}, {{QStringLiteral("直选命中"), {}}, {QStringLiteral("组选命中"), {}}}};
    const QString numbers = QStringLiteral("一二三四五六七八");
    for (std::size_t i = 0; i < stats.positions.size(); ++i) {
        table.columns << QStringLiteral("第%1组").arg(numbers.at(static_cast<qsizetype>(i)));
        table.rows[0].cells.push_back(Whole(stats.positions[i].exact));
        table.rows[1].cells.push_back(Whole(stats.positions[i].box));
    }
    return table;
}

std::vector<StatisticsCell> LedgerCells(const LedgerLine& line) {
    return {Whole(line.tickets), Yuan(static_cast<double>(line.spent)), Yuan(static_cast<double>(line.won)),
            Yuan(line.chanceWon)};
}

StatisticsTable LedgerTable(const Ledger& ledger) {
    return {
        QStringLiteral("假如每期都买"),
        {QStringLiteral("注数"), QStringLiteral("投入"), QStringLiteral("奖金"), QStringLiteral("偶然平均")},
        {{QStringLiteral("直选"), LedgerCells(ledger.straight)},
         {QStringLiteral("组选（豹子不买）"), LedgerCells(ledger.box)}}};
}

}  // namespace

StatisticsFigures ComputeStatisticsFigures(const std::vector<HistoryRecord>& records,
                                           const LedgerPrices& prices) {
    return {ComputeHistoryStatistics(records), ComputeLedger(records, prices)};
}

void AddToFigures(StatisticsFigures& figures, const HistoryRecord& record, const LedgerPrices& prices) {
    AddToStatistics(figures.stats, record);
    AddToLedger(figures.ledger, record, prices);
}

std::vector<StatisticsTable> StatisticsTables(const StatisticsFigures& figures) {
    return {Counts(figures.stats), Hits(figures.stats), Positions(figures.stats),
            LedgerTable(figures.ledger)};
}

QStringList StatisticsCellTexts(const StatisticsFigures& figures) {
    QStringList texts;
    for (const StatisticsTable& table : StatisticsTables(figures)) {
        for (const StatisticsTable::Row& row : table.rows) {
            for (const StatisticsCell& cell : row.cells) {
                texts << cell.text;
            }
        }
    }
    return texts;
}

QString StatisticsScopeText(int saved, int archived, bool currentOnly) {
    if (archived == 0) {
        return TextOf(Messages::kScopeAll).arg(saved);
    }
    return TextOf(currentOnly ? Messages::kScopeCurrentOnly : Messages::kScopeWithArchive)
        .arg(saved)
        .arg(archived);
}

QString LedgerPricesText(const LedgerPrices& prices) {
    return TextOf(Messages::kLedgerPrices)
        .arg(prices.stake)
        .arg(prices.straightPrize)
        .arg(prices.pairPrize)
        .arg(prices.sixPrize);
}

QString StatisticsSentence(const StatisticsFigures& figures) {
    return QString::fromStdString(ChanceSentence(figures.stats) + "\n" + LedgerSentence(figures.ledger));
}
