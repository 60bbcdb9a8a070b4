#include "shell/StatisticsTexts.h"

#include <cmath>

#include "shell/QtMessageTexts.h"

namespace {

// Hits (seen or expected) per draw, as a percentage; a dash before any draw.
QString Percent(double hits, int draws) {
    return draws == 0 ? QStringLiteral("—")
                      : QString::number(100.0 * hits / draws, 'f', 2) + QLatin1Char('%');
}

// Expected hits: two significant digits below one (0.024, 0.8), one decimal from one on (1.0, 5.2).
QString Expected(double hits) {
    return hits < 1 ? QString::number(hits, 'g', 2) : QString::number(hits, 'f', 1);
}

// Whole 元, rounded: "1073 元".
QString Yuan(double amount) {
    return QStringLiteral("%1 元").arg(std::llround(amount));
}

StatisticsTable Counts(const HistoryStatistics& stats) {
    return {{},
            {},
            {{QStringLiteral("已保存预测"), {QStringLiteral("%1 条").arg(stats.saved)}},
             {QStringLiteral("已开奖"), {QStringLiteral("%1 期").arg(stats.entered)}},
             {QStringLiteral("待开奖"), {QStringLiteral("%1 条").arg(stats.pending)}}}};
}

QStringList HitCells(int hits, double expected, int draws) {
    return {QString::number(hits), Percent(hits, draws), Percent(expected, draws), Expected(expected)};
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
        table.rows[0].cells << QString::number(stats.positions[i].exact);
        table.rows[1].cells << QString::number(stats.positions[i].box);
    }
    return table;
}

QStringList LedgerCells(const LedgerLine& line) {
    return {QString::number(line.tickets), Yuan(static_cast<double>(line.spent)),
            Yuan(static_cast<double>(line.won)), Yuan(line.chanceWon)};
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
            texts << row.cells;
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
