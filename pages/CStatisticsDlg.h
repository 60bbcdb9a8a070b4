// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 统计: how the saved codes did against plain chance. Counts of the records, exact (直选) and box (组选) hits
// with their rates next to the chance rates of the same codes, the hits per code position, the running hit
// rate against the chance rate, the ledger of what the codes would have cost and won as tickets, and one
// sentence from the exact test and one from the ledger. Box hits are shown only here; the records list and
// its verdicts know only exact hits. The window counts the archive and the history together, and can switch
// to the history alone.
#include <QLabel>

#include "controls/CSkinButton.h"
#include "shell/CPageDialog.h"
#include "shell/StatisticsTexts.h"

class CStatisticsDlg : public CPageDialog {
    Q_OBJECT

public:
    // all: the archive and the history together; current: the history alone; archived: how many records of
    // all came from the archive (with none, there is nothing to switch, and the switch is not shown).
    CStatisticsDlg(StatisticsFigures all, StatisticsFigures current, int archived, LedgerPrices prices,
                   QWidget* parent = nullptr);

    // The texts the window shows in its cells, in reading order (counts, hits table, positions table, ledger
    // table), the scope line, the prices, and its closing sentences: what the tests read instead of pixels.
    QStringList CellTexts() const;
    QString ScopeText() const;
    QString PricesText() const;
    QString Sentence() const;

    // Counts the history alone, or everything.
    void ShowCurrentOnly(bool currentOnly);
    bool IsCurrentOnly() const { return currentOnly; }

    CSkinButton okButton;
    CSkinButton currentOnlyButton;  // the square of 只统计当前的记录
    // The words beside the square: a label, not part of the picture, so they go when the square goes.
    QLabel currentOnlyCaption;

protected:
    bool OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;

private:
    const StatisticsFigures& Shown() const { return currentOnly ? current : all; }
    // texts: CellTexts(), worked out once per paint.
    void PaintCounts(QPainter& painter, const QStringList& texts) const;
    void PaintHits(QPainter& painter, const QStringList& texts) const;
    void PaintPositions(QPainter& painter) const;
    void PaintLedger(QPainter& painter, const QStringList& texts) const;
    void PaintHeader(QPainter& painter) const;

    StatisticsFigures all;
    StatisticsFigures current;
    int archived;
    LedgerPrices prices;
    bool currentOnly = false;
};
