// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

#include "res/Layout.h"

// Drawing helpers shared by every picture: the fonts, text, captions beside controls, panels and frames.
// One painter on one image; every helper leaves the painter's state as it found it.
class CArtPainter {
public:
    explicit CArtPainter(QImage& image);

    QPainter& Raw() { return painter; }

    // Brush-style face for titles (LXGW WenKai), with the serif face for any character it lacks.
    static QFont Kai(int pixels, bool bold = true);
    // "宋体" and "黑体", served by Noto Serif / Sans CJK SC through the substitutions the tool installs.
    static QFont Song(int pixels, bool bold = false);
    static QFont Hei(int pixels, bool bold = false);
    static QRectF ToRectF(const Layout::Rect& rect);

    void Fill(const QRectF& rect, const QColor& colour);
    void Text(const QRectF& rect, const QString& text, const QFont& font, const QColor& colour,
              int flags = Qt::AlignCenter);
    // Text with a one-pixel soft halo behind it, for words over patterned ground.
    void EngravedText(const QRectF& rect, const QString& text, const QFont& font, const QColor& colour,
                      const QColor& halo, int flags = Qt::AlignCenter);
    // One character under the other, read top to bottom.
    void VerticalText(const QPointF& topCentre, const QString& text, const QFont& font, const QColor& colour,
                      qreal step);
    // A caption that ends `gap` pixels left of a control and is centred on it vertically.
    void CaptionLeft(const Layout::Rect& field, const QString& text, const QFont& font, const QColor& colour,
                     int gap = 8, int width = 120);
    // A caption over a control, starting at its left edge.
    void CaptionAbove(const Layout::Rect& field, const QString& text, const QFont& font, const QColor& colour,
                      int gap = 3, int height = 20);
    // A caption centred over a control.
    void CaptionOver(const Layout::Rect& field, const QString& text, const QFont& font, const QColor& colour,
                     int gap = 3, int height = 20);

    void RoundPanel(const QRectF& rect, qreal radius, const QColor& fill, const QColor& border,
                    qreal borderWidth = 1.0);
    // A sunken well one pixel outside a control: darker above and left, lighter below and right.
    void Well(const Layout::Rect& field, const QColor& dark, const QColor& light);
    // Two thin lines, the inner one `spacing` pixels inside the outer.
    void DoubleFrame(const QRectF& rect, const QColor& colour, qreal spacing = 3.0, qreal outerWidth = 1.0);
    // Key-pattern (回纹) corner pieces inside a frame.
    void KeyCorners(const QRectF& rect, const QColor& colour, qreal size = 14.0);
    // A short horizontal rule with a diamond in the middle.
    void OrnamentRule(const QPointF& centre, qreal halfWidth, const QColor& colour);
    // A page title in the brush face with a small cinnabar seal before it.
    void Title(const QPointF& topLeft, const QString& text, const QString& sealCharacter, int pixels = 24);

private:
    QPainter painter;
};
