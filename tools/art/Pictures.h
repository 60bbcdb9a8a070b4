// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>

// The pictures that are not backgrounds or button faces.
namespace Pictures {
// "1.bmp" .. "18.bmp": the turning bagua of the start page; `ground` is the start page's background, so the
// frame's corners continue the page exactly.
QImage StartFrame(const QImage& ground, int frame);
// "taiji_0.bmp" .. "taiji_5.bmp": the spinning taiji of the make page, on the make page's background.
QImage MakeFrame(const QImage& ground, int frame);
// "乾.bmp" .. "坤.bmp": 130 x 70, the three lines inside the top-left 45 x 22.
QImage Trigram(int trigram);

QImage DrawNumberLabel();  // 183
QImage PanelSeal();        // 194
QImage ChartMarker();      // 240
QImage AboutLink();        // 204
QImage AboutCredit();      // 205
QImage Icon(int size);     // 128 and the desktop sizes
}  // namespace Pictures
