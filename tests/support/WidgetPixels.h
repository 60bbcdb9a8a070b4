// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers of the widget tests: faces made on the spot, a window painted in one colour, pixels of a
// grabbed window and a font whose glyphs can be counted.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "controls/Colour.h"

namespace testsupport {

// A face of size filled with the key colour, with a solid block of colour inside.
inline QImage MakeFace(QSize size, COLORREF key, QRect block, QColor colour) {
    QImage face(size, QImage::Format_RGB32);
    face.fill(ToQColor(key));
    QPainter painter(&face);
    painter.fillRect(block, colour);
    return face;
}

// A top-level widget painted in one colour, as a page's background picture would be.
inline void PaintBackground(QWidget& page, QColor colour) {
    QPalette pal = page.palette();
    pal.setColor(QPalette::Window, colour);
    page.setPalette(pal);
    page.setAutoFillBackground(true);
}

// The colour at point of the widget as it shows on screen, its children included.
inline QColor PixelAt(QWidget& widget, QPoint point) {
    return widget.grab().toImage().pixelColor(point);
}

// How many pixels of rect in image have exactly colour.
inline int CountPixels(const QImage& image, QRect rect, QColor colour) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            count += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

// A font whose glyphs come out in solid colour, so text pixels can be counted.
inline QFont SolidFont(int pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

}  // namespace testsupport
