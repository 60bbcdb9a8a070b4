// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "tools/art/ArtPalette.h"
#include "tools/art/Backgrounds.h"
#include "tools/art/CArtPainter.h"
#include "tools/art/CMotifPainter.h"
#include "tools/art/Pictures.h"

namespace {
using Palette::ink;
}

QImage Pictures::Trigram(int trigram) {
    QImage image(130, 70, QImage::Format_RGB32);
    image.fill(Backgrounds::HexagramCard());
    CArtPainter art(image);
    QPainter& p = art.Raw();
    // Crisp lines in the shown 45 x 22: four pixels thick with five between, so that the upper and lower
    // trigram, 27 pixels apart on the pages, read as one evenly spaced hexagram.
    p.setRenderHint(QPainter::Antialiasing, false);
    const auto lines = CMotifPainter::TrigramLines(trigram);
    for (int k = 0; k < 3; ++k) {
        const int y = 18 - 9 * k;
        if (lines[static_cast<std::size_t>(k)] != 0) {
            p.fillRect(QRect(2, y, 41, 4), ink);
        } else {
            p.fillRect(QRect(2, y, 17, 4), ink);
            p.fillRect(QRect(26, y, 17, 4), ink);
        }
    }
    // The part beyond the control's window names the trigram, for anyone who opens the file.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(QRect(52, 4, 1, 62), QColor(150, 186, 196));
    static const QString natures = QStringLiteral(" 天泽火雷风水山地");
    art.Text(QRectF(56, 2, 70, 44), CMotifPainter::TrigramName(trigram), CArtPainter::Kai(38), ink);
    art.Text(QRectF(56, 44, 70, 22), natures.mid(trigram, 1), CArtPainter::Song(15), Palette::cinnabarDark);
    return image;
}

QImage Pictures::DrawNumberLabel() {
    QImage image(138, 21, QImage::Format_RGB32);
    image.fill(Palette::celadon);
    CArtPainter art(image);
    art.Text(QRectF(0, 0, 136, 21), QStringLiteral("输入开奖号码："), CArtPainter::Kai(17), ink,
             Qt::AlignRight | Qt::AlignVCenter);
    return image;
}

QImage Pictures::PanelSeal() {
    QImage image(82, 27, QImage::Format_RGB32);
    image.fill(Palette::teal);
    CArtPainter art(image);
    CMotifPainter(art.Raw()).Seal(QRectF(1, 1, 80, 25), QStringLiteral("梅花易数"), Palette::cinnabar,
                                  Palette::cream);
    return image;
}

QImage Pictures::ChartMarker() {
    QImage image(11, 11, QImage::Format_RGB32);
    image.fill(Backgrounds::ChartGround());
    CArtPainter art(image);
    QPainter& p = art.Raw();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawEllipse(QPointF(5.5, 5.5), 5.3, 5.3);
    p.setBrush(Palette::white);
    p.drawEllipse(QPointF(5.5, 5.5), 4.0, 4.0);
    return image;
}

QImage Pictures::AboutLink() {
    QImage image(206, 18, QImage::Format_RGB32);
    image.fill(Palette::celadon);
    CArtPainter art(image);
    QFont font = CArtPainter::Song(14, true);
    font.setUnderline(true);
    art.Text(QRectF(0, 0, 206, 18), QStringLiteral("访问 Quintara 主页"), font, QColor(24, 64, 150),
             Qt::AlignLeft | Qt::AlignVCenter);
    return image;
}

QImage Pictures::AboutCredit() {
    QImage image(215, 18, QImage::Format_RGB32);
    image.fill(Palette::celadon);
    CArtPainter art(image);
    art.Text(QRectF(0, 0, 215, 18), QStringLiteral("© Quintara 工作室　预测仅供娱乐"), CArtPainter::Song(13),
             ink, Qt::AlignLeft | Qt::AlignVCenter);
    return image;
}

QImage Pictures::Icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    CArtPainter art(image);
    QPainter& p = art.Raw();
    p.scale(size / 256.0, size / 256.0);
    QLinearGradient ground(0, 0, 0, 256);
    ground.setColorAt(0, QColor(86, 170, 194));
    ground.setColorAt(1, QColor(30, 100, 122));
    p.setPen(QPen(QColor(16, 70, 86), 4));
    p.setBrush(ground);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 48, 48);
    CMotifPainter motifs(p);
    const QPointF centre(128, 128);
    if (size >= 48) {
        motifs.BaguaRing(centre, 78, 46, 8, 15, Palette::cream);
        motifs.Taiji(centre, 66, 0, Palette::cream, Palette::ink, Palette::ink);
    } else {
        // Small sizes keep only the taiji, large enough to read.
        motifs.Taiji(centre, 100, 0, Palette::cream, Palette::ink, Palette::ink);
    }
    return image;
}
