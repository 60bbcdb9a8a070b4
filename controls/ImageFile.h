// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the program's pictures. Their formats are known: every picture file and bitmap resource is a BMP
// whatever its extension, 24-bit, and the icon a 32-bit BMP with alpha. Those two kinds are read here; Qt's
// reader, which takes any other file, first reads the list of its image plugins from their folder, and the
// icon as a PNG brought in the PNG library's decoding besides: a start that reads only plain pictures does
// neither. Named, a format is never probed: left to find one by itself, Qt would load every image plugin.
#include <QImage>
#include <QString>
#include <functional>

// The picture in path, read as format ("BMP", "PNG"); a null image when it is missing or not of that format.
// A plain BMP comes as Format_RGB32, or Format_ARGB32 when it has alpha.
QImage ReadImageFile(const QString& path, const char* format);

// Takes a picture a band of rows at a time: the band (whole rows) and the y of its first row. The band's
// pixels may be reused for the next band once the call returns: a taker that keeps one keeps a copy().
using ImageBandFunction = std::function<void(const QImage& band, int top)>;

// The BMP picture in path, handed over in bands so that it never lies in memory whole (a picture only drawn
// needs no more); a BMP of a kind read by Qt's reader comes as one band. False when nothing could be read.
bool ReadImageBands(const QString& path, const ImageBandFunction& take);

// The compiled-in bitmap resource with this id (":/bitmaps/<id>.bmp"); a null image when there is none.
QImage ResourceBitmap(unsigned id);
