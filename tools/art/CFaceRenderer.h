// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>

#include "tools/art/FaceTable.h"

// Draws a button face. The face is painted on a transparent layer first; pixels the layer leaves untouched
// become exactly the key colour, the others are blended onto the colour the page has around the button, so
// anti-aliased edges carry no fringe of the key. A drawn pixel that happens to equal the key is moved by one
// step so that it does not turn transparent in the program.
class CFaceRenderer {
public:
    static QImage Render(const FaceSpec& face);

private:
    static void DrawNav(QPainter& painter, const FaceSpec& face);
    static void DrawCall(QPainter& painter, const FaceSpec& face);
    static void DrawArrow(QPainter& painter, const FaceSpec& face);
    static void DrawPlaque(QPainter& painter, const FaceSpec& face);
    static void DrawOption(QPainter& painter, const FaceSpec& face);
    static QImage Flatten(const QImage& layer, const FaceSpec& face);
};
