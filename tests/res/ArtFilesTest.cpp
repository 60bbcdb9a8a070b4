// SPDX-License-Identifier: GPL-3.0-or-later
// The picture, sound and help files the program reads from its folder.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QtEndian>

#include "res/Layout.h"
#include "tests/res/ExpectedArt.h"

namespace {
QImage LoadBmp(const char* name) {
    QImage image;
    image.load(ProgramFile(name), "BMP");
    return image;
}

bool IsDark(QRgb pixel) {
    return qGray(pixel) < 80;
}

// Pixels of `frame` outside its shown square must continue the page behind it exactly.
int PixelsDifferingOutside(const QImage& frame, const QImage& page, const Layout::Rect& at) {
    int differing = 0;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            const bool shown = x < at.w && y < at.h;
            if (!shown && frame.pixel(x, y) != page.pixel(at.x + x, at.y + y)) {
                ++differing;
            }
        }
    }
    return differing;
}
}  // namespace

TEST(ArtFiles, EveryPictureIsA24BitBmpOfItsSizeWhateverItsExtension) {
    for (const ExpectedFile& file : ExpectedProgramPictures()) {
        SCOPED_TRACE(file.name);
        QFile raw(ProgramFile(file.name));
        ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
        const QByteArray header = raw.read(30);
        ASSERT_EQ(header.size(), 30);
        EXPECT_EQ(header.left(2), QByteArray("BM"));
        EXPECT_EQ(qFromLittleEndian<quint16>(header.constData() + 28), 24);
        const QImage image = LoadBmp(file.name);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), file.width);
        EXPECT_EQ(image.height(), file.height);
    }
}

TEST(ArtFiles, TrigramPicturesDrawTheirLinesBottomUpInTheShownCorner) {
    struct Trigram {
        const char* file;
        int lines[3];  // bottom, middle, top
    };
    const Trigram trigrams[] = {{"乾.bmp", {1, 1, 1}}, {"兑.bmp", {1, 1, 0}}, {"离.bmp", {1, 0, 1}},
                                {"震.bmp", {1, 0, 0}}, {"巽.bmp", {0, 1, 1}}, {"坎.bmp", {0, 1, 0}},
                                {"艮.bmp", {0, 0, 1}}, {"坤.bmp", {0, 0, 0}}};
    for (const Trigram& trigram : trigrams) {
        SCOPED_TRACE(trigram.file);
        const QImage image = LoadBmp(trigram.file);
        ASSERT_FALSE(image.isNull());
        // The shown corner is 45 x 22: line k (0 = bottom) is centred on row 20 - 9k.
        for (int k = 0; k < 3; ++k) {
            const int row = 20 - 9 * k;
            EXPECT_TRUE(IsDark(image.pixel(8, row))) << "line " << k << " has no left half";
            EXPECT_TRUE(IsDark(image.pixel(37, row))) << "line " << k << " has no right half";
            EXPECT_EQ(IsDark(image.pixel(22, row)), trigram.lines[k] == 1) << "line " << k;
        }
        // Between the lines the card shows.
        EXPECT_FALSE(IsDark(image.pixel(22, 15)));
        EXPECT_FALSE(IsDark(image.pixel(22, 6)));
    }
}

TEST(ArtFiles, AnimationFramesMoveOnlyInsideTheSquareTheirPageShows) {
    const QImage start = LoadBmp("start.ggr");
    const QImage make = LoadBmp("make_gua.ggr");
    ASSERT_FALSE(start.isNull());
    ASSERT_FALSE(make.isNull());
    QImage previous;
    for (int frame = 1; frame <= 18; ++frame) {
        SCOPED_TRACE(frame);
        const QImage image = LoadBmp(QString::number(frame).append(".bmp").toUtf8().constData());
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(PixelsDifferingOutside(image, start, Layout::StartPage::animation), 0);
        EXPECT_NE(image, previous);
        previous = image;
    }
    previous = QImage();
    for (int frame = 0; frame <= 5; ++frame) {
        SCOPED_TRACE(frame);
        const QImage image = LoadBmp(QStringLiteral("taiji_%1.bmp").arg(frame).toUtf8().constData());
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(PixelsDifferingOutside(image, make, Layout::MakePage::animation), 0);
        EXPECT_NE(image, previous);
        previous = image;
    }
}

TEST(ArtFiles, PlayerPageCarriesTheChartGridWhereThePageDrawsItsPoints) {
    const QImage page = LoadBmp("player.ggr");
    ASSERT_FALSE(page.isNull());
    namespace P = Layout::PlayerPage;
    // The plot ground is what the marker bitmap is drawn on: take it from between two level lines.
    const QRgb ground = page.pixel(110, (P::levelY[0] + P::levelY[1]) / 2);
    auto countOff = [&](int x0, int y0, int dx, int dy, int steps) {
        int off = 0;
        for (int i = 0; i < steps; ++i) {
            off += page.pixel(x0 + i * dx, y0 + i * dy) != ground ? 1 : 0;
        }
        return off;
    };
    for (int y : P::levelY) {
        SCOPED_TRACE(y);
        EXPECT_GT(countOff(P::monthX[0], y, 1, 0, P::monthX[11] - P::monthX[0]), 200);
        EXPECT_LT(countOff(P::monthX[0] + 3, y + 7, 1, 0, 40), 3);
    }
    for (int x : P::monthX) {
        SCOPED_TRACE(x);
        EXPECT_GT(countOff(x, P::levelY[6], 0, 1, P::levelY[0] - P::levelY[6]), 30);
    }
}

TEST(ArtFiles, HoverSoundIsShortSixteenBitPcm) {
    QFile file(ProgramFile("jiu_low.wav"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray wave = file.readAll();
    ASSERT_GE(wave.size(), 44);
    const char* d = wave.constData();
    EXPECT_EQ(wave.left(4), QByteArray("RIFF"));
    EXPECT_EQ(wave.mid(8, 4), QByteArray("WAVE"));
    EXPECT_EQ(wave.mid(12, 4), QByteArray("fmt "));
    EXPECT_EQ(qFromLittleEndian<quint16>(d + 20), 1);  // PCM
    const quint16 channels = qFromLittleEndian<quint16>(d + 22);
    const quint32 rate = qFromLittleEndian<quint32>(d + 24);
    EXPECT_EQ(qFromLittleEndian<quint16>(d + 34), 16);
    EXPECT_EQ(wave.mid(36, 4), QByteArray("data"));
    const quint32 dataBytes = qFromLittleEndian<quint32>(d + 40);
    EXPECT_EQ(static_cast<qsizetype>(dataBytes) + 44, wave.size());
    const double seconds = static_cast<double>(dataBytes) / (rate * channels * 2);
    EXPECT_GT(seconds, 0.2);
    EXPECT_LT(seconds, 1.0);
    // Soft: no sample near full scale, and it ends in silence without a click.
    qint16 peak = 0;
    for (qsizetype i = 44; i + 1 < wave.size(); i += 2) {
        peak = std::max<qint16>(peak, static_cast<qint16>(std::abs(qFromLittleEndian<qint16>(d + i))));
    }
    EXPECT_GT(peak, 3000);
    EXPECT_LT(peak, 26000);
    EXPECT_EQ(qFromLittleEndian<qint16>(d + wave.size() - 2), 0);
}

TEST(ArtFiles, HelpDocumentsAreInTheProgramFolder) {
    for (const char* name : {"help.html", "help_yuce.html", "help_yunqi.html"}) {
        SCOPED_TRACE(name);
        QFile file(ProgramFile(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(text.contains(QStringLiteral("<html")));
        EXPECT_TRUE(text.contains(QStringLiteral("</html>")));
        EXPECT_GT(text.size(), 1500);
    }
}
