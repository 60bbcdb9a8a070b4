#include "pages/CStatisticsDlg.h"

#include <QPainter>

#include "pages/DialogFont.h"
#include "pages/PageLayout.h"
#include "pages/StatisticsChart.h"
#include "res/Layout.h"
#include "res/ResourceIds.h"
#include "shell/FaceKeys.h"

namespace {

namespace S = Layout::StatisticsDialog;

const QColor kInk(0, 40, 40);
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

CStatisticsDlg::CStatisticsDlg(HistoryStatistics statistics, QWidget* parent)
    : CPageDialog(parent), okButton(this), stats(std::move(statistics)) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("统计"));
    setFixedSize(S::client.w, S::client.h);
    SetBackgroundFile(QStringLiteral("statistics.ggr"), S::client.w, S::client.h);
    connect(&okButton, &QAbstractButton::clicked, this, &QDialog::accept);
}

bool CStatisticsDlg::OnInitDialog() {
    CPageDialog::OnInitDialog();
    SetUpSkinButton(okButton, S::okButton, IDB_OK_HOT, IDB_OK, kCeladonKey, QStringLiteral("确定"));
    okButton.setFocus();
    setAccessibleDescription(Sentence());
    return true;
}

QStringList CStatisticsDlg::CellTexts() const {
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
    return texts;
}

QString CStatisticsDlg::Sentence() const {
    return QString::fromStdString(ChanceSentence(stats));
}

void CStatisticsDlg::paintEvent(QPaintEvent* event) {
    CPageDialog::paintEvent(event);
    QPainter painter(this);
    painter.setFont(ValueFont());
    const QStringList texts = CellTexts();
    PaintCounts(painter, texts);
    PaintHits(painter, texts);
    PaintPositions(painter);
    PaintRatesChart(painter, QRect(S::chartPlot.x, S::chartPlot.y, S::chartPlot.w, S::chartPlot.h),
                    stats.running);
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
    const int hits[] = {stats.exactHits, stats.boxHits};
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
        const CodePositionHits& position = stats.positions[static_cast<std::size_t>(column)];
        const int x = S::positionsFirstColumnX + column * S::positionsColumnW;
        const int top = S::positionsPanel.y + 4;
        PaintHitCount(painter, Cell(x, top + S::rowHeight, S::positionsColumnW), position.exact);
        PaintHitCount(painter, Cell(x, top + 2 * S::rowHeight, S::positionsColumnW), position.box);
    }
}
