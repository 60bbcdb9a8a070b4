// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ImageFile.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace {

// The headers of an uncompressed BMP: a file header and a BITMAPINFOHEADER, or a longer info header (V4,
// V5) whose first fields are the same and whose colour masks follow them.
constexpr qsizetype kFileHeaderSize = 14;
constexpr qsizetype kInfoHeaderSize = 40;
constexpr quint32 kV4InfoHeaderSize = 108;
constexpr quint32 kBitFields = 3;

// Rows are converted as they are read, a band at a time, so that neither the whole file nor (when a picture
// is only drawn) the whole picture lies in memory: a start that paints its backgrounds needs no more than
// that.
constexpr qsizetype kBandBytes = 64 * 1024;

template <class T>
T Field(const char* header, qsizetype offset) {
    return qFromLittleEndian<T>(header + offset);
}

// A plain picture: 24-bit rows of blue, green, red, or 32-bit rows of blue, green, red, alpha (the icon,
// whose corners are transparent).
struct PlainBmp {
    int width = 0;
    int height = 0;
    bool bottomUp = true;
    bool alpha = false;
    qsizetype stride = 0;
};

// A 32-bit picture with a V4 or V5 header is plain when its masks are the ones of blue, green, red, alpha
// bytes in that order.
bool ReadAlphaMasks(QIODevice& file) {
    char masks[16];
    return file.read(masks, sizeof masks) == qsizetype(sizeof masks) &&
           Field<quint32>(masks, 0) == 0x00ff0000 && Field<quint32>(masks, 4) == 0x0000ff00 &&
           Field<quint32>(masks, 8) == 0x000000ff && Field<quint32>(masks, 12) == 0xff000000;
}

// The header of a plain picture, the file left at its first row; false for any other file.
bool ReadPlainHeader(QIODevice& file, PlainBmp& bmp) {
    char header[kFileHeaderSize + kInfoHeaderSize];
    if (file.read(header, sizeof header) != qsizetype(sizeof header) || std::memcmp(header, "BM", 2) != 0 ||
        Field<quint16>(header, 26) != 1) {
        return false;
    }
    const quint32 infoSize = Field<quint32>(header, 14);
    const quint16 bits = Field<quint16>(header, 28);
    const quint32 compression = Field<quint32>(header, 30);
    const bool plain = infoSize == kInfoHeaderSize && bits == 24 && compression == 0;
    const bool alpha = infoSize >= kV4InfoHeaderSize && infoSize <= 1024 && bits == 32 &&
                       compression == kBitFields && ReadAlphaMasks(file);
    const qint32 width = Field<qint32>(header, 18);
    const qint32 height = Field<qint32>(header, 22);
    const qint64 pixels = Field<quint32>(header, 10);
    if ((!plain && !alpha) || width <= 0 || width > 32767 || height == 0 || height < -32767 ||
        height > 32767) {
        return false;
    }
    const qsizetype stride = alpha ? qsizetype(width) * 4 : (qsizetype(width) * 3 + 3) & ~qsizetype(3);
    bmp = {width, height < 0 ? -height : height, height > 0, alpha, stride};
    return pixels >= kFileHeaderSize + qint64(infoSize) && pixels + bmp.stride * bmp.height <= file.size() &&
           file.seek(pixels);
}

QImage::Format FormatOf(const PlainBmp& bmp) {
    return bmp.alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
}

void ConvertRow(const PlainBmp& bmp, const uchar* source, QRgb* target) {
    if (bmp.alpha) {
        for (int x = 0; x < bmp.width; ++x, source += 4) {
            target[x] = qRgba(source[2], source[1], source[0], source[3]);
        }
        return;
    }
    for (int x = 0; x < bmp.width; ++x, source += 3) {
        target[x] = qRgb(source[2], source[1], source[0]);
    }
}

// Hands the rows over as bands, each an image of whole rows top-down with the y of its first row. False when
// the file ends early (some bands may have gone already).
bool ReadPlainBands(QIODevice& file, const PlainBmp& bmp, const ImageBandFunction& take) {
    const int bandRows = int(std::max<qsizetype>(1, kBandBytes / bmp.stride));
    QByteArray stored(bmp.stride * bandRows, Qt::Uninitialized);
    QImage band(bmp.width, bandRows, FormatOf(bmp));
    for (int done = 0; done < bmp.height; done += bandRows) {
        const int rows = std::min(bandRows, bmp.height - done);
        if (band.isNull() || file.read(stored.data(), bmp.stride * rows) != bmp.stride * rows) {
            return false;
        }
        // A bottom-up file gives the band's last row first.
        for (int row = 0; row < rows; ++row) {
            ConvertRow(bmp, reinterpret_cast<const uchar*>(stored.constData() + row * bmp.stride),
                       reinterpret_cast<QRgb*>(band.scanLine(bmp.bottomUp ? rows - 1 - row : row)));
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
            QImage image(bmp.width, bmp.height, FormatOf(bmp));
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
