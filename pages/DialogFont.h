// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The font the date dialog and the records and player pages were laid out in: 宋体 at 12 points, 16 pixels,
// normal weight. Their plain fields and the records list use it; the page chrome's fonts are the heavy ones
// of titles and labels.
#include <QFont>
#include <QString>

inline QFont DialogFont() {
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(16);
    return font;
}
