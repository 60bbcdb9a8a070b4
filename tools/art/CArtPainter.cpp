// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/art/CArtPainter.h"

#include <QFontDatabase>
#include <QPainterPath>

#include "tools/art/ArtPalette.h"
#include "tools/art/CMotifPainter.h"

CArtPainter::CArtPainter(QImage& image) : painter(&image) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QFont CArtPainter::Kai(int pixels, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("LXGW WenKai"), QStringLiteral("Noto Serif CJK SC")});
    font.setPixelSize(pixels);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont CArtPainter::Song(int pixels, bool bold) {
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(pixels);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

QFont CArtPainter::Hei(int pixels, bool bold) {
    QFont font(QStringLiteral("黑体"));
    font.setPixelSize(pixels);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

QRectF CArtPainter::ToRectF(const Layout::Rect& rect) {
    return QRectF(rect.x, rect.y, rect.w, rect.h);
}

void CArtPainter::Fill(const QRectF& rect, const QColor& colour) {
    painter.fillRect(rect, colour);
}

void CArtPainter::Text(const QRectF& rect, const QString& text, const QFont& font, const QColor& colour,
                       int flags) {
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(rect, flags, text);
    painter.restore();
}

void CArtPainter::EngravedText(const QRectF& rect, const QString& text, const QFont& font,
                               const QColor& colour, const QColor& halo, int flags) {
    Text(rect.translated(0, 1), text, font, halo, flags);
    Text(rect, text, font, colour, flags);
}

void CArtPainter::VerticalText(const QPointF& topCentre, const QString& text, const QFont& font,
                               const QColor& colour, qreal step) {
    for (int i = 0; i < text.size(); ++i) {
        const QRectF cell(topCentre.x() - step / 2, topCentre.y() + i * step, step, step);
        Text(cell, text.mid(i, 1), font, colour);
    }
}

void CArtPainter::CaptionLeft(const Layout::Rect& field, const QString& text, const QFont& font,
                              const QColor& colour, int gap, int width) {
    const QRectF area(field.x - gap - width, field.y, width, field.h);
    Text(area, text, font, colour, Qt::AlignRight | Qt::AlignVCenter);
}

void CArtPainter::CaptionAbove(const Layout::Rect& field, const QString& text, const QFont& font,
                               const QColor& colour, int gap, int height) {
    const QRectF area(field.x, field.y - gap - height, field.w + 200, height);
    Text(area, text, font, colour, Qt::AlignLeft | Qt::AlignBottom);
}

void CArtPainter::CaptionOver(const Layout::Rect& field, const QString& text, const QFont& font,
                              const QColor& colour, int gap, int height) {
    const QRectF area(field.x - 60, field.y - gap - height, field.w + 120, height);
    Text(area, text, font, colour, Qt::AlignHCenter | Qt::AlignBottom);
}

void CArtPainter::RoundPanel(const QRectF& rect, qreal radius, const QColor& fill, const QColor& border,
                             qreal borderWidth) {
    painter.save();
    painter.setBrush(fill);
    if (borderWidth > 0) {
        painter.setPen(QPen(border, borderWidth));
    } else {
        painter.setPen(Qt::NoPen);
    }
    const qreal inset = borderWidth / 2;
    painter.drawRoundedRect(rect.adjusted(inset, inset, -inset, -inset), radius, radius);
    painter.restore();
}

void CArtPainter::Well(const Layout::Rect& field, const QColor& dark, const QColor& light) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int left = field.x - 1;
    const int top = field.y - 1;
    const int right = field.x + field.w;
    const int bottom = field.y + field.h;
    painter.setPen(dark);
    painter.drawLine(left, top, right, top);
    painter.drawLine(left, top, left, bottom);
    painter.setPen(light);
    painter.drawLine(left + 1, bottom, right, bottom);
    painter.drawLine(right, top + 1, right, bottom);
    painter.restore();
}

void CArtPainter::DoubleFrame(const QRectF& rect, const QColor& colour, qreal spacing, qreal outerWidth) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, outerWidth));
    painter.drawRect(rect.adjusted(outerWidth / 2, outerWidth / 2, -outerWidth / 2, -outerWidth / 2));
    painter.setPen(QPen(colour, 1.0));
    const qreal inner = outerWidth + spacing + 0.5;
    painter.drawRect(rect.adjusted(inner, inner, -inner, -inner));
    painter.restore();
}

void CArtPainter::KeyCorners(const QRectF& rect, const QColor& colour, qreal size) {
    painter.save();
    painter.setPen(QPen(colour, 1.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    const qreal s = size;
    const qreal q = s / 3.5;
    // One square spiral, mirrored into the four corners.
    QPainterPath spiral;
    spiral.moveTo(0, s);
    spiral.lineTo(0, 0);
    spiral.lineTo(s, 0);
    spiral.lineTo(s, s - q);
    spiral.lineTo(q, s - q);
    spiral.lineTo(q, q);
    spiral.lineTo(s - q, q);
    spiral.lineTo(s - q, s - 2 * q);
    const QPointF corners[4] = {rect.topLeft(), rect.topRight(), rect.bottomLeft(), rect.bottomRight()};
    const qreal sx[4] = {1, -1, 1, -1};
    const qreal sy[4] = {1, 1, -1, -1};
    for (int i = 0; i < 4; ++i) {
        painter.save();
        painter.translate(corners[i]);
        painter.scale(sx[i], sy[i]);
        painter.drawPath(spiral);
        painter.restore();
    }
    painter.restore();
}

void CArtPainter::OrnamentRule(const QPointF& centre, qreal halfWidth, const QColor& colour) {
    painter.save();
    painter.setPen(QPen(colour, 1.0));
    painter.drawLine(QPointF(centre.x() - halfWidth, centre.y()), QPointF(centre.x() - 8, centre.y()));
    painter.drawLine(QPointF(centre.x() + 8, centre.y()), QPointF(centre.x() + halfWidth, centre.y()));
    painter.setBrush(colour);
    QPolygonF diamond;
    diamond << QPointF(centre.x() - 5, centre.y()) << QPointF(centre.x(), centre.y() - 4)
            << QPointF(centre.x() + 5, centre.y()) << QPointF(centre.x(), centre.y() + 4);
    painter.drawPolygon(diamond);
    painter.restore();
}

void CArtPainter::Title(const QPointF& topLeft, const QString& text, const QString& sealCharacter,
                        int pixels) {
    const qreal seal = pixels * 0.95;
    CMotifPainter motifs(painter);
    motifs.Seal(QRectF(topLeft.x(), topLeft.y() + (pixels * 1.3 - seal) / 2, seal, seal), sealCharacter,
                Palette::cinnabar, Palette::cream);
    const QRectF textArea(topLeft.x() + seal + 8, topLeft.y(), 400, pixels * 1.3);
    Text(textArea, text, Kai(pixels), Palette::ink, Qt::AlignLeft | Qt::AlignVCenter);
}
