#pragma once
// 统计: how the saved codes did against plain chance. Counts of the records, exact (直选) and box (组选) hits
// with their rates next to the chance rates of the same codes, the hits per code position, the running hit
// rate against the chance rate, and one sentence from the exact test. Box hits are shown only here; the
// records list and its verdicts know only exact hits.
#include "controls/CSkinButton.h"
#include "shell/CPageDialog.h"
#include "store/HistoryStatistics.h"

class CStatisticsDlg : public CPageDialog {
    Q_OBJECT

public:
    explicit CStatisticsDlg(HistoryStatistics statistics, QWidget* parent = nullptr);

    // The texts the window shows in its cells, in reading order (counts, hits table, positions table), and
    // its closing sentence: what the tests read instead of pixels.
    QStringList CellTexts() const;
    QString Sentence() const;

    CSkinButton okButton;

protected:
    bool OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;

private:
    // texts: CellTexts(), worked out once per paint.
    void PaintCounts(QPainter& painter, const QStringList& texts) const;
    void PaintHits(QPainter& painter, const QStringList& texts) const;
    void PaintPositions(QPainter& painter) const;

    HistoryStatistics stats;
};
