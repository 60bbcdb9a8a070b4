#include "controls/ImageFile.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <cstring>

namespace {

// The headers of an uncompressed 24-bit BMP: a file header and a BITMAPINFOHEADER.
constexpr qsizetype kFileHeaderSize = 14;
constexpr qsizetype kInfoHeaderSize = 40;

template <class T>
T Field(const QByteArray& bytes, qsizetype offset) {
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

// Every page background is such a picture, read anew on each paint: a plain copy of its rows is several
// times quicker than Qt's general reader, which converts pixel by pixel through its device. Anything else (a
// palette, compression, a header of another size, a file cut short) returns null and goes to Qt's reader.
QImage ReadPlainBmp(const QByteArray& bytes) {
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || !bytes.startsWith("BM") ||
        Field<quint32>(bytes, 14) != kInfoHeaderSize || Field<quint16>(bytes, 26) != 1 ||
        Field<quint16>(bytes, 28) != 24 || Field<quint32>(bytes, 30) != 0) {
        return {};
    }
    const qint32 width = Field<qint32>(bytes, 18);
    const qint32 rawHeight = Field<qint32>(bytes, 22);
    const quint32 pixels = Field<quint32>(bytes, 10);
    if (width <= 0 || width > 32767 || rawHeight == 0 || rawHeight < -32767 || rawHeight > 32767) {
        return {};
    }
    const int height = rawHeight < 0 ? -rawHeight : rawHeight;
    const qsizetype stride = (qsizetype(width) * 3 + 3) & ~qsizetype(3);
    if (pixels < kFileHeaderSize + kInfoHeaderSize || pixels + stride * height > bytes.size()) {
        return {};
    }
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    // Rows are stored bottom-up unless the height is negative.
    for (int y = 0; y < height; ++y) {
        const int stored = rawHeight > 0 ? height - 1 - y : y;
        const auto* source = reinterpret_cast<const uchar*>(bytes.constData() + pixels + stored * stride);
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x, source += 3) {
            target[x] = qRgb(source[2], source[1], source[0]);
        }
    }
    return image;
}

}  // namespace

QImage ReadImageFile(const QString& path, const char* format) {
    if (std::strcmp(format, "BMP") == 0) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        const QImage plain = ReadPlainBmp(file.readAll());
        if (!plain.isNull()) {
            return plain;
        }
    }
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QImage ResourceBitmap(unsigned id) {
    return ReadImageFile(QStringLiteral(":/bitmaps/%1.bmp").arg(id), "BMP");
}
