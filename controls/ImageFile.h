// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the program's pictures. Their formats are known: every picture file and bitmap resource is a BMP
// whatever its extension, the icon a PNG. Left to find a format by itself, Qt probes the file with each of
// its image plugins and so loads them all (GIF, ICO, JPEG and their libraries) on the first picture of the
// run; named, the format is read by Qt's own reader and no plugin is touched.
#include <QImage>
#include <QString>
#include <functional>

// The picture in path, read as format ("BMP", "PNG"); a null image when it is missing or not of that format.
QImage ReadImageFile(const QString& path, const char* format);

// Takes a picture a band of rows at a time: the band (whole rows) and the y of its first row.
using ImageBandFunction = std::function<void(const QImage& band, int top)>;

// The BMP picture in path, handed over in bands so that it never lies in memory whole (a picture only drawn
// needs no more); a BMP of a kind read by Qt's reader comes as one band. False when nothing could be read.
bool ReadImageBands(const QString& path, const ImageBandFunction& take);

// The compiled-in bitmap resource with this id (":/bitmaps/<id>.bmp"); a null image when there is none.
QImage ResourceBitmap(unsigned id);
