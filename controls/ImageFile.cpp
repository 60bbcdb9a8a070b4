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
// that. A band of 16 KB is a few rows of the main window's picture: the buffers are small beside the
// window's own, and the reads still few.
constexpr qsizetype kBandBytes = 16 * 1024;

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

// Four pixels of a 24-bit row lie in three little-endian words; each pixel is shifted out of them whole,
// about twice as fast as putting it together from its three bytes.
void ConvertRgbRow(const uchar* source, QRgb* target, int width) {
    constexpr QRgb opaque = 0xff000000;
    int x = 0;
    for (; x + 4 <= width; x += 4, source += 12) {
        const quint32 first = qFromLittleEndian<quint32>(source);
        const quint32 second = qFromLittleEndian<quint32>(source + 4);
        const quint32 third = qFromLittleEndian<quint32>(source + 8);
        target[x] = opaque | (first & 0xffffff);
        target[x + 1] = opaque | (first >> 24) | ((second & 0xffff) << 8);
        target[x + 2] = opaque | (second >> 16) | ((third & 0xff) << 16);
        target[x + 3] = opaque | (third >> 8);
    }
    for (; x < width; ++x, source += 3) {
        target[x] = qRgb(source[2], source[1], source[0]);
    }
}

void ConvertRow(const PlainBmp& bmp, const uchar* source, QRgb* target) {
    if (!bmp.alpha) {
        ConvertRgbRow(source, target, bmp.width);
        return;
    }
    for (int x = 0; x < bmp.width; ++x, source += 4) {
        target[x] = qRgba(source[2], source[1], source[0], source[3]);
    }
}

// Rows in a band: as many as fit in kBandBytes of the file, no more than the picture has.
int BandRows(const PlainBmp& bmp) {
    return int(std::clamp<qsizetype>(kBandBytes / bmp.stride, 1, bmp.height));
}

// Reads the rows a band at a time into image: at the band's place in the picture when inPlace (the image is
// the whole picture), else at the image's top (the image is one band). done(top, rows) follows each band,
// top the y of its first row in the picture. False when the file ends early (some bands may be done already).
template <class Done>
bool ReadPlainRows(QIODevice& file, const PlainBmp& bmp, QImage& image, bool inPlace, const Done& done) {
    if (image.isNull()) {
        return false;
    }
    const int bandRows = BandRows(bmp);
    QByteArray stored(bmp.stride * bandRows, Qt::Uninitialized);
    for (int read = 0; read < bmp.height; read += bandRows) {
        const int rows = std::min(bandRows, bmp.height - read);
        const int top = bmp.bottomUp ? bmp.height - read - rows : read;
        if (file.read(stored.data(), bmp.stride * rows) != bmp.stride * rows) {
            return false;
        }
        // A bottom-up file gives the band's last row first.
        const int firstRow = inPlace ? top : 0;
        for (int row = 0; row < rows; ++row) {
            const int y = firstRow + (bmp.bottomUp ? rows - 1 - row : row);
            ConvertRow(bmp, reinterpret_cast<const uchar*>(stored.constData() + row * bmp.stride),
                       reinterpret_cast<QRgb*>(image.scanLine(y)));
        }
        done(top, rows);
    }
    return true;
}

// Hands the rows over as bands, each an image of whole rows top-down with the y of its first row.
bool ReadPlainBands(QIODevice& file, const PlainBmp& bmp, const ImageBandFunction& take) {
    QImage band(bmp.width, BandRows(bmp), FormatOf(bmp));
    const auto handOver = [&band, &take, &bmp](int top, int rows) {
        // A last band shorter than the others is its first rows, shown without a copy.
        take(rows == band.height()
                 ? band
                 : QImage(band.constBits(), bmp.width, rows, band.bytesPerLine(), band.format()),
             top);
    };
    return ReadPlainRows(file, bmp, band, false, handOver);
}

// The whole picture, each band converted straight into its place.
bool ReadPlainImage(QIODevice& file, const PlainBmp& bmp, QImage& image) {
    return ReadPlainRows(file, bmp, image, true, [](int, int) {});
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
            if (ReadPlainImage(file, bmp, image)) {
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
