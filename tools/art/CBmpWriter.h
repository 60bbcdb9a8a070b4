// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

// Writes Windows bitmap files: BITMAPFILEHEADER, a 40-byte BITMAPINFOHEADER and bottom-up 24-bit rows padded
// to four bytes; or, for a picture with transparent parts (the window's icon), a 124-byte BITMAPV5HEADER
// with the masks of blue, green, red and alpha bytes and bottom-up 32-bit rows, which Qt's reader and the
// program's own read with their alpha. Written by hand rather than through QImage::save (which writes no
// alpha) so that the bytes never depend on the Qt version or on the image's internal format.
class CBmpWriter {
public:
    static QByteArray Encode(const QImage& image);
    static QByteArray EncodeWithAlpha(const QImage& image);
    static bool Write(const QImage& image, const QString& path);
    static bool WriteWithAlpha(const QImage& image, const QString& path);
};
