// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "controls/CPictureStatic.h"
#include "controls/ImageFile.h"
#include "tests/support/WidgetPixels.h"

using namespace testsupport;

namespace {

const QColor kPage(10, 120, 10);

class PictureStaticTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        page.resize(200, 150);
        PaintBackground(page, kPage);
        picture = new CPictureStatic(&page);
        picture->setGeometry(10, 10, 120, 100);
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    }

    // Writes a bitmap file of one colour under a name whose extension does not say "bmp".
    QString WritePicture(const QString& name, QSize size, QColor colour) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.save(path, "BMP"));
        return path;
    }

    // Colour at a point of the picture control.
    QColor At(int x, int y) { return PixelAt(page, QPoint(10 + x, 10 + y)); }

    QTemporaryDir dir;
    QWidget page;
    CPictureStatic* picture = nullptr;
};

TEST_F(PictureStaticTest, DrawsNothingBeforeTheFirstPicture) {
    EXPECT_FALSE(picture->PictureSet());
    EXPECT_EQ(At(0, 0), kPage);
    EXPECT_EQ(At(60, 50), kPage);
}

TEST_F(PictureStaticTest, SmallerPictureLeavesTheRestOfItsArea) {
    const QString file = WritePicture(QStringLiteral("select.mid"), {20, 10}, Qt::red);
    picture->SetPictureFile(file, 60, 40, false);
    EXPECT_TRUE(picture->PictureSet());
    EXPECT_EQ(picture->PictureFile(), file);
    EXPECT_EQ(At(0, 0), QColor(Qt::red));
    EXPECT_EQ(At(19, 9), QColor(Qt::red));
    EXPECT_EQ(At(20, 9), kPage);
    EXPECT_EQ(At(19, 10), kPage);
}

TEST_F(PictureStaticTest, LargerPictureIsCutAtTheGivenSize) {
    const QString file = WritePicture(QStringLiteral("1.bmp"), {150, 120}, Qt::blue);
    picture->SetPictureFile(file, 60, 40, false);
    EXPECT_EQ(At(59, 39), QColor(Qt::blue));
    EXPECT_EQ(At(60, 39), kPage);
    EXPECT_EQ(At(59, 40), kPage);
    EXPECT_EQ(At(100, 80), kPage);
}

TEST_F(PictureStaticTest, FileIsReadAgainOnEveryPaint) {
    const QString file = WritePicture(QStringLiteral("frame.bmp"), {60, 40}, Qt::blue);
    picture->SetPictureFile(file, 60, 40, false);
    EXPECT_EQ(At(30, 20), QColor(Qt::blue));
    WritePicture(QStringLiteral("frame.bmp"), {60, 40}, Qt::yellow);
    EXPECT_EQ(At(30, 20), QColor(Qt::yellow));
}

TEST_F(PictureStaticTest, MissingOrForeignFileDrawsNoPicture) {
    picture->SetPictureFile(dir.filePath(QStringLiteral("none.bmp")), 60, 40, false);
    EXPECT_TRUE(picture->PictureSet());
    EXPECT_EQ(At(5, 5), kPage);

    QFile text(dir.filePath(QStringLiteral("player.mid")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();
    picture->SetPictureFile(text.fileName(), 60, 40, false);
    EXPECT_EQ(At(5, 5), kPage);
}

TEST_F(PictureStaticTest, FrameIsARedOutlineOfTheArea) {
    const QString file = WritePicture(QStringLiteral("乾.bmp"), {60, 40}, Qt::white);
    picture->SetPictureFile(file, 60, 40, true);
    const QColor frame(200, 50, 50);
    EXPECT_EQ(At(1, 20), frame);
    EXPECT_EQ(At(30, 1), frame);
    EXPECT_EQ(At(30, 20), QColor(Qt::white));
}

// The program names the format of every picture it reads; a file that is not of that format reads as nothing,
// whatever its extension, rather than as whatever an image plugin makes of it.
TEST_F(PictureStaticTest, PicturesAreReadInTheFormatTheProgramNames) {
    const QString bitmap = WritePicture(QStringLiteral("left.ggr"), QSize(7, 5), QColor(1, 2, 3));
    const QImage read = ReadImageFile(bitmap, "BMP");
    EXPECT_EQ(read.size(), QSize(7, 5));
    EXPECT_EQ(read.pixelColor(3, 2), QColor(1, 2, 3));

    QImage png(4, 4, QImage::Format_RGB32);
    png.fill(Qt::white);
    ASSERT_TRUE(png.save(dir.filePath(QStringLiteral("select.mid")), "PNG"));
    EXPECT_TRUE(ReadImageFile(dir.filePath(QStringLiteral("select.mid")), "BMP").isNull());
    EXPECT_EQ(ReadImageFile(dir.filePath(QStringLiteral("select.mid")), "PNG").size(), QSize(4, 4));
    EXPECT_TRUE(ReadImageFile(dir.filePath(QStringLiteral("missing.ggr")), "BMP").isNull());
}

}  // namespace
