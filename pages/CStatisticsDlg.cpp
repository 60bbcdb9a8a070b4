// SPDX-License-Identifier: GPL-3.0-or-later
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
const QColor kSoftInk(60, 100, 104);
const QColor kHit(184, 52, 36);

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

CStatisticsDlg::CStatisticsDlg(StatisticsFigures allRecords, StatisticsFigures currentRecords,
                               int archivedRecords, LedgerPrices ticketPrices, QWidget* parent)
    : CPageDialog(parent),
      okButton(this),
      currentOnlyButton(this),
      currentOnlyCaption(this),
      all(std::move(allRecords)),
      current(std::move(currentRecords)),
      archived(archivedRecords),
      prices(ticketPrices) {
    // Taller than the main window, it reaches past it: a frame from the window manager lets it be moved off
    // what it covers.
    setWindowFlags(Qt::Dialog);
    setWindowTitle(QStringLiteral("统计"));
    setFixedSize(S::client.w, S::client.h);
    SetBackgroundFile(QStringLiteral("statistics.ggr"), S::client.w, S::client.h);
    connect(&okButton, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(&currentOnlyButton, &QAbstractButton::clicked, this, [this] { ShowCurrentOnly(!currentOnly); });
}

bool CStatisticsDlg::OnInitDialog() {
    CPageDialog::OnInitDialog();
    SetUpSkinButton(okButton, S::okButton, kOkHotBitmap, kOkBitmap, kCeladonKey, QStringLiteral("确定"));
    currentOnlyButton.SetTransparentBackground(true);
    currentOnlyButton.SetFlatBorder(false, true);
    Place(currentOnlyButton, S::currentOnlyButton);
    currentOnlyButton.SetRole(CSkinButton::ButtonRole::CheckBox);
    currentOnlyButton.setAccessibleName(QStringLiteral("只统计当前的记录"));
    QFont captionFont = DialogFont();
    captionFont.setPixelSize(13);
    captionFont.setBold(true);
    currentOnlyCaption.setFont(captionFont);
    QPalette captionColours = currentOnlyCaption.palette();
    captionColours.setColor(QPalette::WindowText, kInk);
    currentOnlyCaption.setPalette(captionColours);
    currentOnlyCaption.setText(currentOnlyButton.accessibleName());
    currentOnlyCaption.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Place(currentOnlyCaption, S::currentOnlyCaption);
    // Without an archive the history is all there is: nothing to switch, and no words about switching.
    currentOnlyButton.setVisible(archived > 0);
    currentOnlyCaption.setVisible(archived > 0);
    ShowCurrentOnly(false);
    okButton.setFocus();
    return true;
}

void CStatisticsDlg::ShowCurrentOnly(bool only) {
    currentOnly = only && archived > 0;
    currentOnlyButton.SetFaceBitmaps(currentOnly ? kOptionOnBitmap : kOptionOffBitmap, kWhiteKey, 0,
                                     kWhiteKey);
    currentOnlyButton.setChecked(currentOnly);
    currentOnlyButton.SetOptionChosen(currentOnly);
    setAccessibleDescription(ScopeText() + QLatin1Char('\n') + Sentence());
    update();
}

QString CStatisticsDlg::ScopeText() const {
    return StatisticsScopeText(Shown().stats.saved, archived, currentOnly);
}

QString CStatisticsDlg::PricesText() const {
    return LedgerPricesText(prices);
}

QStringList CStatisticsDlg::CellTexts() const {
    return StatisticsCellTexts(Shown());
}

QString CStatisticsDlg::Sentence() const {
    return StatisticsSentence(Shown());
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
