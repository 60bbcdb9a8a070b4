// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/art/CMotifPainter.h"

#include <QPainterPath>
#include <QTransform>
#include <cmath>
#include <numbers>

#include "tools/art/CArtPainter.h"

std::array<int, 3> CMotifPainter::TrigramLines(int trigram) {
    static constexpr std::array<std::array<int, 3>, 9> lines = {{
        {0, 0, 0},  // unused
        {1, 1, 1},  // 乾
        {1, 1, 0},  // 兑
        {1, 0, 1},  // 离
        {1, 0, 0},  // 震
        {0, 1, 1},  // 巽
        {0, 1, 0},  // 坎
        {0, 0, 1},  // 艮
        {0, 0, 0},  // 坤
    }};
    return trigram >= 1 && trigram <= 8 ? lines[static_cast<std::size_t>(trigram)] : lines[0];
}

QString CMotifPainter::TrigramName(int trigram) {
    static const QString names = QStringLiteral(" 乾兑离震巽坎艮坤");
    return trigram >= 1 && trigram <= 8 ? names.mid(trigram, 1) : QString();
}

void CMotifPainter::Taiji(const QPointF& centre, qreal radius, qreal degrees, const QColor& light,
                          const QColor& dark, const QColor& rim) {
    painter.save();
    painter.translate(centre);
    painter.rotate(degrees);
    const qreal r = radius;
    QPainterPath disc;
    disc.addEllipse(QPointF(0, 0), r, r);
    QPainterPath rightHalf;
    rightHalf.addRect(QRectF(0, -r - 1, r + 1, 2 * r + 2));
    rightHalf = rightHalf.intersected(disc);
    QPainterPath upper;
    upper.addEllipse(QPointF(0, -r / 2), r / 2, r / 2);
    QPainterPath lower;
    lower.addEllipse(QPointF(0, r / 2), r / 2, r / 2);
    const QPainterPath darkPart = rightHalf.united(upper).subtracted(lower);

    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawPath(disc);
    painter.setBrush(dark);
    painter.drawPath(darkPart);
    painter.setBrush(light);
    painter.drawEllipse(QPointF(0, -r / 2), r / 7, r / 7);
    painter.setBrush(dark);
    painter.drawEllipse(QPointF(0, r / 2), r / 7, r / 7);
    if (rim.alpha() > 0) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(rim, std::max<qreal>(1.0, r / 40)));
        painter.drawEllipse(QPointF(0, 0), r, r);
    }
    painter.restore();
}

void CMotifPainter::Trigram(const QRectF& area, const std::array<int, 3>& lines, const QColor& colour,
                            qreal thickness, qreal brokenGap) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const qreal pitch = (area.height() - thickness) / 2;
    for (int k = 0; k < 3; ++k) {
        const qreal y = area.bottom() - thickness - k * pitch;
        if (lines[static_cast<std::size_t>(k)] != 0) {
            painter.drawRect(QRectF(area.left(), y, area.width(), thickness));
        } else {
            const qreal half = (area.width() - brokenGap) / 2;
            painter.drawRect(QRectF(area.left(), y, half, thickness));
            painter.drawRect(QRectF(area.right() - half, y, half, thickness));
        }
    }
    painter.restore();
}

void CMotifPainter::BaguaRing(const QPointF& centre, qreal innerRadius, qreal lineLength, qreal thickness,
                              qreal pitch, const QColor& colour, qreal degrees) {
    // Clockwise from the top: 乾, 巽, 坎, 艮, 坤, 震, 离, 兑.
    static constexpr int order[8] = {1, 5, 6, 7, 8, 4, 3, 2};
    painter.save();
    painter.translate(centre);
    painter.rotate(degrees);
    for (int i = 0; i < 8; ++i) {
        painter.save();
        painter.rotate(45.0 * i);
        const auto lines = TrigramLines(order[i]);
        const QRectF area(-lineLength / 2, -innerRadius - 2 * pitch - thickness, lineLength,
                          2 * pitch + thickness);
        Trigram(area, lines, colour, thickness, lineLength * 0.18);
        painter.restore();
    }
    painter.restore();
}

void CMotifPainter::Seal(const QRectF& area, const QString& characters, const QColor& red,
                         const QColor& paper) {
    painter.save();
    const qreal radius = std::min(area.width(), area.height()) * 0.12;
    painter.setPen(Qt::NoPen);
    painter.setBrush(red);
    painter.drawRoundedRect(area, radius, radius);
    const qreal inset = std::max<qreal>(1.5, std::min(area.width(), area.height()) * 0.09);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(paper, std::max<qreal>(1.0, inset * 0.45)));
    painter.drawRoundedRect(area.adjusted(inset, inset, -inset, -inset), radius * 0.6, radius * 0.6);
    const int count = static_cast<int>(characters.size());
    const QRectF inner = area.adjusted(inset * 1.8, inset * 1.8, -inset * 1.8, -inset * 1.8);
    if (count == 4 && area.width() < area.height() * 1.6) {
        // Square seals read right column first, top to bottom.
        const qreal cell = inner.width() / 2;
        const int pixels = static_cast<int>(cell * 0.98);
        const QPointF cells[4] = {{inner.left() + cell, inner.top()},
                                  {inner.left() + cell, inner.top() + cell},
                                  {inner.left(), inner.top()},
                                  {inner.left(), inner.top() + cell}};
        for (int i = 0; i < 4; ++i) {
            painter.setFont(CArtPainter::Kai(pixels));
            painter.setPen(paper);
            painter.drawText(QRectF(cells[i], QSizeF(cell, cell)), Qt::AlignCenter, characters.mid(i, 1));
        }
    } else {
        const bool across = area.width() >= area.height() * 1.6 || count == 1;
        const qreal cell = across ? inner.width() / count : inner.height() / count;
        const int pixels = static_cast<int>(std::min(cell, across ? inner.height() : inner.width()) * 0.98);
        painter.setFont(CArtPainter::Kai(pixels));
        painter.setPen(paper);
        for (int i = 0; i < count; ++i) {
            const QRectF box = across ? QRectF(inner.left() + i * cell, inner.top(), cell, inner.height())
                                      : QRectF(inner.left(), inner.top() + i * cell, inner.width(), cell);
            painter.drawText(box, Qt::AlignCenter, characters.mid(i, 1));
        }
    }
    painter.restore();
}

void CMotifPainter::TaperedStroke(const QPointF& from, const QPointF& c1, const QPointF& c2,
                                  const QPointF& to, qreal startWidth, qreal endWidth, const QColor& colour) {
    QPainterPath path(from);
    path.cubicTo(c1, c2, to);
    constexpr int steps = 24;
    painter.save();
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < steps; ++i) {
        const qreal t0 = static_cast<qreal>(i) / steps;
        const qreal t1 = static_cast<qreal>(i + 1) / steps;
        const qreal width = startWidth + (endWidth - startWidth) * t0;
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(path.pointAtPercent(t0), path.pointAtPercent(t1));
    }
    painter.restore();
}

void CMotifPainter::PlumBranch(const QPointF& origin, qreal scale, bool mirrored, const QColor& bark,
                               const QColor& petal, const QColor& heart) {
    painter.save();
    painter.translate(origin);
    painter.scale(mirrored ? -scale : scale, scale);
    // The main bough, two twigs and a spur, in the angular manner of ink plum paintings.
    TaperedStroke({0, 0}, {40, -10}, {70, -50}, {120, -58}, 7, 3, bark);
    TaperedStroke({120, -58}, {150, -62}, {170, -80}, {200, -96}, 3, 1, bark);
    TaperedStroke({62, -38}, {70, -60}, {66, -80}, {80, -104}, 3.5, 1.2, bark);
    TaperedStroke({120, -58}, {132, -44}, {150, -40}, {168, -30}, 2.5, 1, bark);
    TaperedStroke({80, -104}, {86, -112}, {96, -118}, {104, -122}, 1.2, 0.8, bark);
    struct Flower {
        qreal x, y, r, turn;
    };
    static constexpr Flower flowers[] = {{84, -52, 8, 10},     {118, -66, 9.5, 40}, {74, -92, 7, 70},
                                         {150, -70, 7.5, 15},  {172, -84, 6, 50},   {160, -34, 6.5, 5},
                                         {102, -120, 5.5, 25}, {40, -20, 6.5, 60}};
    for (const Flower& f : flowers) {
        Blossom({f.x, f.y}, f.r, petal, heart, f.turn);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(heart);
    static constexpr QPointF buds[] = {{196, -98}, {186, -78}, {92, -112}, {140, -46}, {60, -70}};
    for (const QPointF& bud : buds) {
        painter.drawEllipse(bud, 2.6, 2.6);
    }
    painter.restore();
}

void CMotifPainter::Blossom(const QPointF& centre, qreal radius, const QColor& petal, const QColor& heart,
                            qreal degrees) {
    painter.save();
    painter.translate(centre);
    painter.rotate(degrees);
    painter.setPen(QPen(heart.lighter(150), 0.6));
    painter.setBrush(petal);
    for (int i = 0; i < 5; ++i) {
        const qreal a = (72.0 * i - 90.0) * std::numbers::pi / 180.0;
        const QPointF c(std::cos(a) * radius * 0.55, std::sin(a) * radius * 0.55);
        painter.drawEllipse(c, radius * 0.5, radius * 0.5);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(heart);
    painter.drawEllipse(QPointF(0, 0), radius * 0.22, radius * 0.22);
    painter.setPen(QPen(heart, 0.7));
    for (int i = 0; i < 5; ++i) {
        const qreal a = (72.0 * i - 54.0) * std::numbers::pi / 180.0;
        painter.drawLine(QPointF(0, 0), QPointF(std::cos(a) * radius * 0.42, std::sin(a) * radius * 0.42));
    }
    painter.restore();
}

void CMotifPainter::Cloud(const QPointF& centre, qreal size, const QColor& colour, bool mirrored) {
    painter.save();
    painter.translate(centre);
    painter.scale(mirrored ? -size / 100.0 : size / 100.0, size / 100.0);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 5.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // A spiral head and a trailing double tail, the shape of 如意 clouds.
    QPainterPath path;
    path.moveTo(-50, 14);
    path.cubicTo(-30, 14, -10, 16, 10, 14);
    path.cubicTo(34, 12, 42, -12, 26, -22);
    path.cubicTo(12, -30, -4, -18, 4, -6);
    path.cubicTo(10, 2, 22, -4, 18, -12);
    painter.drawPath(path);
    QPainterPath second;
    second.moveTo(-10, 14);
    second.cubicTo(-26, 10, -34, -8, -22, -16);
    second.cubicTo(-12, -22, -2, -12, -8, -4);
    painter.drawPath(second);
    QPainterPath tail;
    tail.moveTo(-50, 26);
    tail.cubicTo(-20, 26, 10, 28, 46, 22);
    painter.setPen(QPen(colour, 3.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(tail);
    painter.restore();
}

void CMotifPainter::TickRing(const QPointF& centre, qreal radius, int ticks, qreal length,
                             const QColor& colour) {
    painter.save();
    painter.translate(centre);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 1.0));
    painter.drawEllipse(QPointF(0, 0), radius, radius);
    for (int i = 0; i < ticks; ++i) {
        painter.save();
        painter.rotate(360.0 * i / ticks);
        painter.drawLine(QPointF(0, -radius), QPointF(0, -radius - length));
        painter.restore();
    }
    painter.restore();
}
