// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/art/CBmpWriter.h"

#include <QFile>
#include <QSaveFile>

#include "tools/art/LittleEndian.h"

namespace {

// The file header and the BITMAPINFOHEADER part that both kinds share; a larger info header goes on after it.
void PutHeaders(QByteArray& out, quint32 infoBytes, const QImage& image, quint16 bitsPerPixel,
                quint32 compression, quint32 pixelBytes) {
    const quint32 headerBytes = 14 + infoBytes;
    out.reserve(static_cast<qsizetype>(headerBytes + pixelBytes));
    out.append("BM");
    PutU32(out, headerBytes + pixelBytes);
    PutU32(out, 0);  // reserved
    PutU32(out, headerBytes);
    PutU32(out, infoBytes);
    PutU32(out, static_cast<quint32>(image.width()));
    PutU32(out, static_cast<quint32>(image.height()));  // positive: rows run bottom-up
    PutU16(out, 1);                                     // planes
    PutU16(out, bitsPerPixel);
    PutU32(out, compression);
    PutU32(out, pixelBytes);
    PutU32(out, 2835);  // 72 dpi
    PutU32(out, 2835);
    PutU32(out, 0);
    PutU32(out, 0);
}

}  // namespace

QByteArray CBmpWriter::Encode(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    const quint32 rowBytes = (static_cast<quint32>(width) * 3 + 3) & ~3u;
    const quint32 pixelBytes = rowBytes * static_cast<quint32>(height);

    QByteArray out;
    PutHeaders(out, 40, rgb, 24, 0 /* BI_RGB */, pixelBytes);
    for (int y = height - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        const qsizetype start = out.size();
        for (int x = 0; x < width; ++x) {
            out.append(static_cast<char>(qBlue(line[x])));
            out.append(static_cast<char>(qGreen(line[x])));
            out.append(static_cast<char>(qRed(line[x])));
        }
        out.append(QByteArray(static_cast<qsizetype>(rowBytes) - (out.size() - start), '\0'));
    }
    return out;
}

QByteArray CBmpWriter::EncodeWithAlpha(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int width = argb.width();
    const int height = argb.height();
    const quint32 pixelBytes = static_cast<quint32>(width) * 4 * static_cast<quint32>(height);

    QByteArray out;
    // A V5 info header (124 bytes), BI_BITFIELDS: the masks below say where each colour lies.
    PutHeaders(out, 124, argb, 32, 3, pixelBytes);
    for (const quint32 mask : {0x00ff0000u, 0x0000ff00u, 0x000000ffu, 0xff000000u}) {
        PutU32(out, mask);
    }
    PutU32(out, 0x73524742);  // 'sRGB': no end points or gamma of its own
    out.append(QByteArray(36 + 12, '\0'));
    PutU32(out, 4);  // LCS_GM_IMAGES
    PutU32(out, 0);  // no profile
    PutU32(out, 0);
    PutU32(out, 0);  // reserved
    for (int y = height - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            out.append(static_cast<char>(qBlue(line[x])));
            out.append(static_cast<char>(qGreen(line[x])));
            out.append(static_cast<char>(qRed(line[x])));
            out.append(static_cast<char>(qAlpha(line[x])));
        }
    }
    return out;
}

namespace {

bool Save(const QByteArray& bytes, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(bytes);
    return file.commit();
}

}  // namespace

bool CBmpWriter::Write(const QImage& image, const QString& path) {
    return Save(Encode(image), path);
}

bool CBmpWriter::WriteWithAlpha(const QImage& image, const QString& path) {
    return Save(EncodeWithAlpha(image), path);
}
