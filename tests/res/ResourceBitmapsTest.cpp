// SPDX-License-Identifier: GPL-3.0-or-later
// The bitmaps compiled into the program, looked up by id as the controls do.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "res/ResourceIds.h"
#include "res/Resources.h"
#include "tests/res/ExpectedArt.h"

namespace {
QImage Resource(unsigned id) {
    return QImage(QStringLiteral(":/bitmaps/%1.bmp").arg(id));
}

int BorderMismatches(const QImage& image, QRgb key) {
    int mismatches = 0;
    for (int x = 0; x < image.width(); ++x) {
        mismatches += image.pixel(x, 0) != key;
        mismatches += image.pixel(x, image.height() - 1) != key;
    }
    for (int y = 0; y < image.height(); ++y) {
        mismatches += image.pixel(0, y) != key;
        mismatches += image.pixel(image.width() - 1, y) != key;
    }
    return mismatches;
}

int KeyPixels(const QImage& image, QRgb key) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == key;
        }
    }
    return count;
}
}  // namespace

TEST(ResourceBitmaps, EveryIdLoadsAtItsSize) {
    InitResources();
    for (const ExpectedBitmap& bitmap : ExpectedBitmaps()) {
        SCOPED_TRACE(bitmap.id);
        const QImage image = Resource(bitmap.id);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), bitmap.width);
        EXPECT_EQ(image.height(), bitmap.height);
        EXPECT_EQ(image.depth(), 32);  // 24-bit files load as RGB32
    }
    EXPECT_TRUE(Resource(999).isNull());
}

TEST(ResourceBitmaps, FacesAreFramedByTheirKeyColourAndShowSomethingInside) {
    InitResources();
    for (const ExpectedBitmap& bitmap : ExpectedBitmaps()) {
        if (bitmap.key == 0) {
            continue;
        }
        SCOPED_TRACE(bitmap.id);
        const QImage image = Resource(bitmap.id);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(BorderMismatches(image, bitmap.key), 0);
        // The button shape covers most of the face; the key is only the rim and the rounded corners.
        EXPECT_NE(image.pixel(image.width() / 2, image.height() / 2), bitmap.key);
        EXPECT_LT(KeyPixels(image, bitmap.key), image.width() * image.height() / 3);
    }
}

TEST(ResourceBitmaps, HotFacesDifferFromTheirNormalFaces) {
    InitResources();
    const std::pair<unsigned, unsigned> pairs[] = {
        {kNavAnswersHotBitmap, kNavAnswersBitmap},
        {kNavPlayerHotBitmap, kNavPlayerBitmap},
        {kNavRecordsHotBitmap, kNavRecordsBitmap},
        {kNavPredictHotBitmap, kNavPredictBitmap},
        {kNavAboutHotBitmap, kNavAboutBitmap},
        {kCastHotBitmap, kCastBitmap},
        {kStartBackHotBitmap, kStartBackBitmap},
        {kArrowRightHotBitmap, kArrowRightBitmap},
        {kArrowLeftHotBitmap, kArrowLeftBitmap},
        {kBackHotBitmap, kBackBitmap},
        {kOkHotBitmap, kOkBitmap},
        {kCancelHotBitmap, kCancelBitmap},
        {kExitHotBitmap, kExitBitmap},
        {kSaveLightHotBitmap, kSaveLightBitmap},
        {kBackLightHotBitmap, kBackLightBitmap},
        {kCancelLightHotBitmap, kCancelLightBitmap},
        {kPredictHelpHotBitmap, kPredictHelpBitmap},
        {kFortuneHelpHotBitmap, kFortuneHelpBitmap},
        {kOptionOnBitmap, kOptionOffBitmap},
    };
    for (const auto& [hot, normal] : pairs) {
        SCOPED_TRACE(hot);
        const QImage a = Resource(hot);
        const QImage b = Resource(normal);
        ASSERT_FALSE(a.isNull());
        ASSERT_EQ(a.size(), b.size());
        EXPECT_NE(a, b);
    }
    EXPECT_NE(Resource(kOkBitmap), Resource(kCancelBitmap));
    EXPECT_NE(Resource(kArrowLeftBitmap), Resource(kArrowRightBitmap));
}

TEST(ResourceBitmaps, ChartMarkerIsAWhiteDot) {
    InitResources();
    const QImage marker = Resource(kChartMarkerBitmap);
    ASSERT_FALSE(marker.isNull());
    EXPECT_EQ(marker.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_NE(marker.pixel(0, 0), qRgb(255, 255, 255));
}

TEST(ResourceBitmaps, IconIsThereForTheWindowAndTheDesktop) {
    InitResources();
    const QImage icon(QStringLiteral(":/icons/128.bmp"));
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.hasAlphaChannel());
    EXPECT_EQ(icon.size(), QSize(128, 128));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);  // rounded corners are transparent
    EXPECT_EQ(qAlpha(icon.pixel(64, 64)), 255);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage desktop(QStringLiteral(MORVINT_ICON_DIR "/hicolor/%1x%1/apps/morvint.png").arg(size));
        EXPECT_EQ(desktop.size(), QSize(size, size));
    }
}
