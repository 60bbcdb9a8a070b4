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
