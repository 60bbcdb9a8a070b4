#pragma once
// Reading the program's pictures. Their formats are known: every picture file and bitmap resource is a BMP
// whatever its extension, the icon a PNG. Left to find a format by itself, Qt probes the file with each of
// its image plugins and so loads them all (GIF, ICO, JPEG and their libraries) on the first picture of the
// run; named, the format is read by Qt's own reader and no plugin is touched.
#include <QImage>
#include <QString>

// The picture in path, read as format ("BMP", "PNG"); a null image when it is missing or not of that format.
QImage ReadImageFile(const QString& path, const char* format);

// The compiled-in bitmap resource with this id (":/bitmaps/<id>.bmp"); a null image when there is none.
QImage ResourceBitmap(unsigned id);
