// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

// Writes Windows bitmap files: BITMAPFILEHEADER, a 40-byte BITMAPINFOHEADER and bottom-up 24-bit rows padded
// to four bytes. Written by hand rather than through QImage::save so that the bytes never depend on the Qt
// version or on the image's internal format.
class CBmpWriter {
public:
    static QByteArray Encode(const QImage& image);
    static bool Write(const QImage& image, const QString& path);
};
