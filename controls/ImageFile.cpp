// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ImageFile.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace {

// The headers of an uncompressed 24-bit BMP: a file header and a BITMAPINFOHEADER.
constexpr qsizetype kFileHeaderSize = 14;
constexpr qsizetype kInfoHeaderSize = 40;

// Rows are converted as they are read, a band at a time, so that neither the whole file nor (when a picture
// is only drawn) the whole picture lies in memory: a start that paints its backgrounds needs no more than
// that.
constexpr qsizetype kBandBytes = 64 * 1024;

template <class T>
T Field(const char* header, qsizetype offset) {
    return qFromLittleEndian<T>(header + offset);
}

struct PlainBmp {
    int width = 0;
    int height = 0;
    bool bottomUp = true;
    qsizetype stride = 0;
};

// The header of a plain 24-bit picture, the file left at its first row; false for any other file.
bool ReadPlainHeader(QIODevice& file, PlainBmp& bmp) {
    char header[kFileHeaderSize + kInfoHeaderSize];
    if (file.read(header, sizeof header) != qsizetype(sizeof header) || std::memcmp(header, "BM", 2) != 0 ||
        Field<quint32>(header, 14) != kInfoHeaderSize || Field<quint16>(header, 26) != 1 ||
        Field<quint16>(header, 28) != 24 || Field<quint32>(header, 30) != 0) {
        return false;
    }
    const qint32 width = Field<qint32>(header, 18);
    const qint32 height = Field<qint32>(header, 22);
    const qint64 pixels = Field<quint32>(header, 10);
    if (width <= 0 || width > 32767 || height == 0 || height < -32767 || height > 32767) {
        return false;
    }
    bmp = {width, height < 0 ? -height : height, height > 0, (qsizetype(width) * 3 + 3) & ~qsizetype(3)};
    return pixels >= qint64(sizeof header) && pixels + bmp.stride * bmp.height <= file.size() &&
           file.seek(pixels);
}

// Hands the rows over as bands, each an image of whole rows top-down with the y of its first row. False when
// the file ends early (some bands may have gone already).
bool ReadPlainBands(QIODevice& file, const PlainBmp& bmp, const ImageBandFunction& take) {
    const int bandRows = int(std::max<qsizetype>(1, kBandBytes / bmp.stride));
    QByteArray stored(bmp.stride * bandRows, Qt::Uninitialized);
    QImage band(bmp.width, bandRows, QImage::Format_RGB32);
    for (int done = 0; done < bmp.height; done += bandRows) {
        const int rows = std::min(bandRows, bmp.height - done);
        if (band.isNull() || file.read(stored.data(), bmp.stride * rows) != bmp.stride * rows) {
            return false;
        }
        // A bottom-up file gives the band's last row first.
        for (int row = 0; row < rows; ++row) {
            const auto* source = reinterpret_cast<const uchar*>(stored.constData() + row * bmp.stride);
            auto* target = reinterpret_cast<QRgb*>(band.scanLine(bmp.bottomUp ? rows - 1 - row : row));
            for (int x = 0; x < bmp.width; ++x, source += 3) {
                target[x] = qRgb(source[2], source[1], source[0]);
            }
        }
        const int top = bmp.bottomUp ? bmp.height - done - rows : done;
        take(rows == bandRows ? band : band.copy(0, 0, bmp.width, rows), top);
    }
    return true;
}

QImage ReadWithQt(const QString& path, const char* format) {
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace

QImage ReadImageFile(const QString& path, const char* format) {
    if (std::strcmp(format, "BMP") == 0) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        PlainBmp bmp;
        if (ReadPlainHeader(file, bmp)) {
            QImage image(bmp.width, bmp.height, QImage::Format_RGB32);
            const auto copy = [&image](const QImage& band, int top) {
                for (int row = 0; row < band.height(); ++row) {
                    std::memcpy(image.scanLine(top + row), band.constScanLine(row), band.bytesPerLine());
                }
            };
            if (!image.isNull() && ReadPlainBands(file, bmp, copy)) {
                return image;
            }
        }
    }
    return ReadWithQt(path, format);
}

bool ReadImageBands(const QString& path, const ImageBandFunction& take) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    PlainBmp bmp;
    if (ReadPlainHeader(file, bmp)) {
        // Bands already handed over are drawn again from the whole picture if the file turns out short.
        if (ReadPlainBands(file, bmp, take)) {
            return true;
        }
    }
    const QImage whole = ReadWithQt(path, "BMP");
    if (whole.isNull()) {
        return false;
    }
    take(whole, 0);
    return true;
}

QImage ResourceBitmap(unsigned id) {
    return ReadImageFile(QStringLiteral(":/bitmaps/%1.bmp").arg(id), "BMP");
}
