// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>

// The traditional motifs the pictures are made of: taiji, trigrams and the eight-trigram ring, seals, plum
// branches and cloud scrolls. Each works on a borrowed painter and restores its state.
class CMotifPainter {
public:
    explicit CMotifPainter(QPainter& target) : painter(target) {}

    // Lines of trigram 1..8 (乾 兑 离 震 巽 坎 艮 坤), bottom, middle, top; 1 = solid.
    static std::array<int, 3> TrigramLines(int trigram);
    static QString TrigramName(int trigram);

    // Yin-yang disc; `degrees` turns it clockwise.
    void Taiji(const QPointF& centre, qreal radius, qreal degrees, const QColor& light, const QColor& dark,
               const QColor& rim);
    // Three lines in `area`, the bottom line at the bottom; pixel-aligned when the area is.
    void Trigram(const QRectF& area, const std::array<int, 3>& lines, const QColor& colour, qreal thickness,
                 qreal brokenGap);
    // The eight trigrams in the earlier-heaven order around a centre, bottom lines innermost.
    void BaguaRing(const QPointF& centre, qreal innerRadius, qreal lineLength, qreal thickness, qreal pitch,
                   const QColor& colour, qreal degrees = 0.0);
    // A cinnabar seal with its characters reserved in the paper colour.
    void Seal(const QRectF& area, const QString& characters, const QColor& red, const QColor& paper);
    // A plum branch growing from `origin` to the right (or to the left when mirrored), `scale` 1 = ~200 px.
    void PlumBranch(const QPointF& origin, qreal scale, bool mirrored, const QColor& bark,
                    const QColor& petal, const QColor& heart);
    void Blossom(const QPointF& centre, qreal radius, const QColor& petal, const QColor& heart,
                 qreal degrees);
    // An auspicious cloud curl, `size` across.
    void Cloud(const QPointF& centre, qreal size, const QColor& colour, bool mirrored = false);
    // Concentric rings with tick marks, the ground of the taiji pictures.
    void TickRing(const QPointF& centre, qreal radius, int ticks, qreal length, const QColor& colour);

private:
    void TaperedStroke(const QPointF& from, const QPointF& c1, const QPointF& c2, const QPointF& to,
                       qreal startWidth, qreal endWidth, const QColor& colour);

    QPainter& painter;
};
