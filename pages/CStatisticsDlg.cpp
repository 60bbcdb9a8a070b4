#include "pages/CStatisticsDlg.h"

#include <QPainter>
#include <cmath>

#include "pages/DialogFont.h"
#include "pages/PageLayout.h"
#include "pages/StatisticsChart.h"
#include "res/Layout.h"
#include "res/ResourceIds.h"
#include "shell/FaceKeys.h"

namespace {

namespace S = Layout::StatisticsDialog;

const QColor kInk(0, 40, 40);
const QColor kSoftInk(60, 100, 104);
const QColor kHit(184, 52, 36);

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

QRect Cell(int x, int y, int w) {
    return {x, y, w, S::rowHeight};
}

QFont ValueFont() {
    QFont font = DialogFont();
    font.setPixelSize(14);
    return font;
}

// A count of hits in ink, or in the seal's red once something hit.
void PaintHitCount(QPainter& painter, const QRect& cell, int count) {
    painter.setPen(count > 0 ? kHit : kInk);
    painter.drawText(cell, Qt::AlignCenter, QString::number(count));
}

}  // namespace

StatisticsFigures ComputeStatisticsFigures(const std::vector<HistoryRecord>& records,
                                           const LedgerPrices& prices) {
    return {ComputeHistoryStatistics(records), ComputeLedger(records, prices)};
}

CStatisticsDlg::CStatisticsDlg(StatisticsFigures allRecords, StatisticsFigures currentRecords,
                               int archivedRecords, LedgerPrices ticketPrices, QWidget* parent)
    : CPageDialog(parent),
      okButton(this),
      currentOnlyButton(this),
      all(std::move(allRecords)),
      current(std::move(currentRecords)),
      archived(archivedRecords),
      prices(ticketPrices) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("统计"));
    setFixedSize(S::client.w, S::client.h);
    SetBackgroundFile(QStringLiteral("statistics.ggr"), S::client.w, S::client.h);
    connect(&okButton, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(&currentOnlyButton, &QAbstractButton::clicked, this, [this] { ShowCurrentOnly(!currentOnly); });
}

bool CStatisticsDlg::OnInitDialog() {
    CPageDialog::OnInitDialog();
    SetUpSkinButton(okButton, S::okButton, IDB_OK_HOT, IDB_OK, kCeladonKey, QStringLiteral("确定"));
    currentOnlyButton.SetTransparentBackground(true);
    currentOnlyButton.SetFlatBorder(false, true);
    Place(currentOnlyButton, S::currentOnlyButton);
    currentOnlyButton.SetRole(CSkinButton::ButtonRole::Option);
    currentOnlyButton.setAccessibleName(QStringLiteral("只统计当前的记录"));
    // Without an archive the history is all there is: nothing to switch.
    currentOnlyButton.setVisible(archived > 0);
    ShowCurrentOnly(false);
    okButton.setFocus();
    return true;
}

void CStatisticsDlg::ShowCurrentOnly(bool only) {
    currentOnly = only && archived > 0;
    currentOnlyButton.SetFaceBitmaps(currentOnly ? IDB_OPTION_ON : IDB_OPTION_OFF, kWhiteKey, 0, kWhiteKey);
    currentOnlyButton.setChecked(currentOnly);
    setAccessibleDescription(ScopeText() + QLatin1Char('\n') + Sentence());
    update();
}

QString CStatisticsDlg::ScopeText() const {
    if (archived == 0) {
        return QStringLiteral("全部 %1 条").arg(all.stats.saved);
    }
    return currentOnly
               ? QStringLiteral("当前 %1 条（不含归档的 %2 条）").arg(current.stats.saved).arg(archived)
               : QStringLiteral("全部 %1 条，其中归档 %2 条").arg(all.stats.saved).arg(archived);
}

QString CStatisticsDlg::PricesText() const {
    return QStringLiteral("每注 %1 元 · 直选奖金 %2 元 · 组三 %3 元 · 组六 %4 元")
        .arg(prices.stake)
        .arg(prices.straightPrize)
        .arg(prices.pairPrize)
        .arg(prices.sixPrize);
}

QStringList CStatisticsDlg::CellTexts() const {
    const HistoryStatistics& stats = Shown().stats;
    QStringList texts{QStringLiteral("%1 条").arg(stats.saved), QStringLiteral("%1 期").arg(stats.entered),
                      QStringLiteral("%1 条").arg(stats.pending)};
    texts << QString::number(stats.exactHits) << Percent(stats.exactHits, stats.entered)
          << Percent(stats.ExpectedExactHits(), stats.entered) << Expected(stats.ExpectedExactHits());
    texts << QString::number(stats.boxHits) << Percent(stats.boxHits, stats.entered)
          << Percent(stats.ExpectedBoxHits(), stats.entered) << Expected(stats.ExpectedBoxHits());
    for (const CodePositionHits& position : stats.positions) {
        texts << QString::number(position.exact);
    }
    for (const CodePositionHits& position : stats.positions) {
        texts << QString::number(position.box);
    }
    for (const LedgerLine* line : {&Shown().ledger.straight, &Shown().ledger.box}) {
        texts << QString::number(line->tickets) << Yuan(static_cast<double>(line->spent))
              << Yuan(static_cast<double>(line->won)) << Yuan(line->chanceWon);
    }
    return texts;
}

QString CStatisticsDlg::Sentence() const {
    return QString::fromStdString(ChanceSentence(Shown().stats) + "\n" + LedgerSentence(Shown().ledger));
}

void CStatisticsDlg::paintEvent(QPaintEvent* event) {
    CPageDialog::paintEvent(event);
    QPainter painter(this);
    painter.setFont(ValueFont());
    const QStringList texts = CellTexts();
    PaintCounts(painter, texts);
    PaintHits(painter, texts);
    PaintPositions(painter);
    PaintLedger(painter, texts);
    PaintRatesChart(painter, QRect(S::chartPlot.x, S::chartPlot.y, S::chartPlot.w, S::chartPlot.h),
                    Shown().stats.running);
    PaintHeader(painter);
    QFont sentenceFont = DialogFont();
    sentenceFont.setPixelSize(13);
    painter.setFont(sentenceFont);
    painter.setPen(kInk);
    painter.drawText(QRect(S::sentence.x, S::sentence.y, S::sentence.w, S::sentence.h),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, Sentence());
}

void CStatisticsDlg::PaintCounts(QPainter& painter, const QStringList& texts) const {
    painter.setPen(kInk);
    for (int row = 0; row < 3; ++row) {
        painter.drawText(Cell(S::countsValueX, S::countsPanel.y + 4 + row * S::rowHeight, S::countsValueW),
                         Qt::AlignRight | Qt::AlignVCenter, texts[row]);
    }
}

// The hits column of each row in the seal's red once something hit; the rates in ink.
void CStatisticsDlg::PaintHits(QPainter& painter, const QStringList& texts) const {
    const int hits[] = {Shown().stats.exactHits, Shown().stats.boxHits};
    for (int row = 0; row < 2; ++row) {
        const int y = S::hitsPanel.y + 4 + (row + 1) * S::rowHeight;
        for (int column = 0; column < 4; ++column) {
            painter.setPen(column == 0 && hits[row] > 0 ? kHit : kInk);
            painter.drawText(Cell(S::hitsFirstColumnX + column * S::hitsColumnW, y, S::hitsColumnW),
                             Qt::AlignCenter, texts[3 + row * 4 + column]);
        }
    }
}

void CStatisticsDlg::PaintPositions(QPainter& painter) const {
    for (int column = 0; column < 8; ++column) {
        const CodePositionHits& position = Shown().stats.positions[static_cast<std::size_t>(column)];
        const int x = S::positionsFirstColumnX + column * S::positionsColumnW;
        const int top = S::positionsPanel.y + 4;
        PaintHitCount(painter, Cell(x, top + S::rowHeight, S::positionsColumnW), position.exact);
        PaintHitCount(painter, Cell(x, top + 2 * S::rowHeight, S::positionsColumnW), position.box);
    }
}

// The ledger's two rows: tickets, stake, winnings (in the seal's red once something was won), chance.
void CStatisticsDlg::PaintLedger(QPainter& painter, const QStringList& texts) const {
    const qsizetype first = texts.size() - 8;
    const long long won[] = {Shown().ledger.straight.won, Shown().ledger.box.won};
    for (int row = 0; row < 2; ++row) {
        const int y = S::ledgerTitleY + (row + 1) * S::rowHeight;
        for (int column = 0; column < 4; ++column) {
            painter.setPen(column == 2 && won[row] > 0 ? kHit : kInk);
            painter.drawText(Cell(S::ledgerFirstColumnX + column * S::ledgerColumnW, y, S::ledgerColumnW),
                             Qt::AlignCenter, texts[first + row * 4 + column]);
        }
    }
}

// What the window counts, and at what prices.
void CStatisticsDlg::PaintHeader(QPainter& painter) const {
    QFont font = DialogFont();
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(kInk);
    painter.drawText(QRect(S::scopeText.x, S::scopeText.y, S::scopeText.w, S::scopeText.h),
                     Qt::AlignRight | Qt::AlignVCenter, ScopeText());
    painter.setPen(kSoftInk);
    painter.drawText(QRect(S::pricesText.x, S::pricesText.y, S::pricesText.w, S::pricesText.h),
                     Qt::AlignRight | Qt::AlignVCenter, PricesText());
}
