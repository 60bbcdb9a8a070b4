// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QRectF>
#include <QSize>
#include <QString>

#include "tools/art/CArtPainter.h"

// What every page and dialog background shares: the ground colour, the thin double border with key-pattern
// corners, and the hexagram cards and ribbons that several pages repeat.
class CPageChrome {
public:
    explicit CPageChrome(CArtPainter& painter) : art(painter) {}

    void Ground(const QSize& size, const QColor& base);
    // The light ribbon behind the two date labels of the show and explanation pages.
    void DateRibbon();
    // A paper card with a fine border.
    void Card(const QRectF& rect, const QColor& fill);
    // A bold caption with a cinnabar dot before it.
    void SectionCaption(const QRectF& rect, const QString& text, int pixels = 15);
    // Wells around a list of control rectangles.
    void Wells(std::initializer_list<Layout::Rect> fields);

private:
    CArtPainter& art;
};
