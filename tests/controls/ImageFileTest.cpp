// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a BMP: the quick path for plain 24-bit pictures gives exactly what Qt's own reader gives, rows in
// either order and any width, and every other kind of file, or one cut short, is left to Qt's reader.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <array>
#include <bit>
#include <cstring>

#include "controls/ImageFile.h"

namespace {

class ImageFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // A picture whose every pixel differs, 13 pixels wide so that its rows are padded; a tall one is read in
    // several bands.
    static QImage Pattern(int height = 7) {
        QImage image(13, height, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                image.setPixel(x, y, qRgb(x * 19, y * 37, (x * y * 11) % 256));
            }
        }
        return image;
    }
    static QByteArray Bmp(const QImage& image) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(image.save(&buffer, "BMP"));
        return bytes;
    }
    QString Write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    static QImage QtRead(const QString& path) {
        QImageReader reader(path, "BMP");
        reader.setAutoDetectImageFormat(false);
        return reader.read();
    }

    QTemporaryDir dir;
};

TEST_F(ImageFileTest, APlainPictureReadsAsQtReadsIt) {
    const QString path = Write(QStringLiteral("plain.bmp"), Bmp(Pattern()));
    const QImage read = ReadImageFile(path, "BMP");
    EXPECT_EQ(read.format(), QImage::Format_RGB32);
    EXPECT_EQ(read, QtRead(path));
    EXPECT_EQ(read, Pattern());
}

TEST_F(ImageFileTest, RowsStoredTopDownReadTheRightWayUp) {
    QByteArray bytes = Bmp(Pattern());
    const qint32 height = qFromLittleEndian<qint32>(bytes.constData() + 22);
    const quint32 pixels = qFromLittleEndian<quint32>(bytes.constData() + 10);
    const qsizetype stride = (13 * 3 + 3) & ~3;
    QByteArray topDown = bytes.left(pixels);
    for (int row = height - 1; row >= 0; --row) {
        topDown += bytes.mid(pixels + row * stride, stride);
    }
    qToLittleEndian<qint32>(-height, topDown.data() + 22);
    EXPECT_EQ(ReadImageFile(Write(QStringLiteral("topdown.bmp"), topDown), "BMP"), Pattern());
}

TEST_F(ImageFileTest, APictureDrawnBandByBandIsThePictureWhole) {
    const QImage tall = Pattern(4000);
    for (const bool indexed : {false, true}) {
        const QImage picture = indexed ? tall.convertToFormat(QImage::Format_Indexed8) : tall;
        const QString path = Write(QStringLiteral("tall%1.bmp").arg(indexed), Bmp(picture));
        QImage drawn(tall.size(), QImage::Format_RGB32);
        drawn.fill(Qt::black);
        int bands = 0;
        QPainter painter(&drawn);
        EXPECT_TRUE(ReadImageBands(path, [&](const QImage& band, int top) {
            ++bands;
            painter.drawImage(QPoint(0, top), band);
        }));
        painter.end();
        EXPECT_EQ(drawn, QtRead(path).convertToFormat(QImage::Format_RGB32)) << "indexed " << indexed;
        EXPECT_EQ(bands > 1, !indexed) << "a plain picture comes in bands, another whole";
    }
    EXPECT_FALSE(ReadImageBands(dir.filePath(QStringLiteral("missing.bmp")), [](const QImage&, int) {}));
}

// A 32-bit picture with a V5 header and the masks of blue, green, red and alpha bytes, as the icon is
// stored; masks names another order of the four.
QByteArray AlphaBmp(const QImage& image,
                    std::array<quint32, 4> masks = {0x00ff0000, 0x0000ff00, 0x000000ff, 0xff000000}) {
    QByteArray header(14 + 124, '\0');
    const quint32 pixelBytes = quint32(image.width() * image.height() * 4);
    header[0] = 'B';
    header[1] = 'M';
    qToLittleEndian<quint32>(quint32(header.size()) + pixelBytes, header.data() + 2);
    qToLittleEndian<quint32>(quint32(header.size()), header.data() + 10);
    qToLittleEndian<quint32>(124, header.data() + 14);
    qToLittleEndian<qint32>(image.width(), header.data() + 18);
    qToLittleEndian<qint32>(image.height(), header.data() + 22);
    qToLittleEndian<quint16>(1, header.data() + 26);
    qToLittleEndian<quint16>(32, header.data() + 28);
    qToLittleEndian<quint32>(3, header.data() + 30);
    for (int i = 0; i < 4; ++i) {
        qToLittleEndian<quint32>(masks[i], header.data() + 54 + 4 * i);
    }
    qToLittleEndian<quint32>(0x73524742, header.data() + 70);
    QByteArray rows;
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const int values[] = {qRed(pixel), qGreen(pixel), qBlue(pixel), qAlpha(pixel)};
            quint32 word = 0;
            for (int i = 0; i < 4; ++i) {
                word |= quint32(values[i]) << std::countr_zero(masks[i]);
            }
            char bytes[4];
            qToLittleEndian<quint32>(word, bytes);
            rows.append(bytes, 4);
        }
    }
    return header + rows;
}

TEST_F(ImageFileTest, APictureWithAlphaKeepsItsTransparency) {
    // Tall enough that the quick path hands it over in more than one band; Qt's reader would give it whole.
    QImage icon(13, 2000, QImage::Format_ARGB32);
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            icon.setPixel(x, y, qRgba(x * 19, y * 29, (x * y * 11) % 256, (x * 40 + y * 7) % 256));
        }
    }
    const QString path = Write(QStringLiteral("icon.bmp"), AlphaBmp(icon));
    const QImage read = ReadImageFile(path, "BMP");
    EXPECT_EQ(read.format(), QImage::Format_ARGB32);
    EXPECT_EQ(read, icon);
    EXPECT_EQ(read, QtRead(path));
    QImage drawn(icon.size(), QImage::Format_ARGB32);
    int bands = 0;
    EXPECT_TRUE(ReadImageBands(path, [&](const QImage& band, int top) {
        ++bands;
        for (int row = 0; row < band.height(); ++row) {
            std::memcpy(drawn.scanLine(top + row), band.constScanLine(row), band.bytesPerLine());
        }
    }));
    EXPECT_EQ(drawn, icon);
    EXPECT_GT(bands, 1);

    // Masks in another order are not the plain kind: Qt's reader takes the file, and the colours still come
    // out right.
    const QString swapped = Write(QStringLiteral("swapped.bmp"),
                                  AlphaBmp(icon, {0x000000ff, 0x0000ff00, 0x00ff0000, 0xff000000}));
    EXPECT_EQ(ReadImageFile(swapped, "BMP").convertToFormat(QImage::Format_ARGB32), icon);
}

TEST_F(ImageFileTest, OtherKindsAndFilesCutShortGoToQtsReader) {
    const QImage indexed = Pattern().convertToFormat(QImage::Format_Indexed8);
    const QString palette = Write(QStringLiteral("palette.bmp"), Bmp(indexed));
    EXPECT_FALSE(ReadImageFile(palette, "BMP").isNull());
    EXPECT_EQ(ReadImageFile(palette, "BMP"), QtRead(palette));

    // Qt's reader gives what it could read of a file cut short, the rest of the picture unset.
    const QByteArray whole = Bmp(Pattern());
    for (const qsizetype size : {qsizetype(10), qsizetype(60), whole.size() - 5}) {
        const QString cut = Write(QStringLiteral("cut%1.bmp").arg(size), whole.left(size));
        EXPECT_EQ(ReadImageFile(cut, "BMP").size(), QtRead(cut).size()) << "cut to " << size << " bytes";
    }
    EXPECT_TRUE(ReadImageFile(dir.filePath(QStringLiteral("missing.bmp")), "BMP").isNull());
}

}  // namespace
