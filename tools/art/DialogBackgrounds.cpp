// SPDX-License-Identifier: GPL-3.0-or-later
// The small dialogs: date input, the two notices and the about box.
#include "res/PictureWords.h"
#include "tools/art/ArtPalette.h"
#include "tools/art/Backgrounds.h"
#include "tools/art/CArtPainter.h"
#include "tools/art/CMotifPainter.h"
#include "tools/art/CPageChrome.h"

namespace {
using Palette::ink;

QImage Dialog() {
    QImage image(350, 230, QImage::Format_RGB32);
    image.fill(Palette::celadon);
    return image;
}

void Frame(CArtPainter& art) {
    art.DoubleFrame(QRectF(0, 0, 350, 230), QColor(72, 120, 132), 2.0, 2.0);
    art.KeyCorners(QRectF(10, 10, 330, 210), QColor(104, 148, 160), 9);
}
}  // namespace

QImage Backgrounds::DateDialog() {
    QImage image = Dialog();
    CArtPainter art(image);
    namespace D = Layout::DateDialog;
    // A pine-green header: the help button's face is keyed to it.
    art.Fill(QRectF(0, 0, 350, 50), Palette::olive);
    art.Fill(QRectF(0, 50, 350, 2), QColor(68, 84, 54));
    CMotifPainter(art.Raw()).Seal(QRectF(16, 13, 24, 24), QStringLiteral("卜"), Palette::cinnabar,
                                  Palette::cream);
    art.Text(QRectF(48, 0, 200, 50), QString::fromUtf8(PictureWords::kDateDialog.title), CArtPainter::Kai(21),
             Palette::cream, Qt::AlignLeft | Qt::AlignVCenter);
    const QFont caption = CArtPainter::Kai(18);
    art.CaptionLeft(D::datePicker, QStringLiteral("开奖日期"), caption, ink, 10, 100);
    art.CaptionLeft(D::issueEdit, QStringLiteral("期　　号"), caption, ink, 10, 100);
    CPageChrome(art).Wells({D::datePicker, D::issueEdit});
    CMotifPainter motifs(art.Raw());
    motifs.BaguaRing(QPointF(290, 92), 22, 12, 2, 4, QColor(104, 148, 160));
    motifs.Taiji(QPointF(290, 92), 15, 0, QColor(226, 240, 242), QColor(40, 96, 110), QColor(40, 96, 110));
    art.Text(QRectF(16, 136, 318, 34), QString::fromUtf8(PictureWords::kDateDialog.text),
             CArtPainter::Song(13), Palette::inkSoft);
    art.DoubleFrame(QRectF(0, 0, 350, 230), QColor(60, 76, 46), 2.0, 2.0);
    return image;
}

QImage Backgrounds::DateNotice() {
    QImage image = Dialog();
    CArtPainter art(image);
    Frame(art);
    CMotifPainter(art.Raw()).Seal(QRectF(30, 40, 54, 54), QStringLiteral("止"), Palette::cinnabar,
                                  Palette::cream);
    art.Text(QRectF(100, 36, 230, 34), QString::fromUtf8(PictureWords::kDateNotice.title),
             CArtPainter::Kai(24), ink, Qt::AlignLeft | Qt::AlignVCenter);
    art.Text(QRectF(100, 74, 226, 64), QString::fromUtf8(PictureWords::kDateNotice.text),
             CArtPainter::Song(14), ink, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    art.Text(QRectF(100, 136, 226, 24), QString::fromUtf8(PictureWords::kDateNotice.advice),
             CArtPainter::Song(14, true), Palette::cinnabarDark, Qt::AlignLeft | Qt::AlignVCenter);
    return image;
}

QImage Backgrounds::SaveNotice() {
    QImage image = Dialog();
    CArtPainter art(image);
    // White paper below the header: the 保存 and 取消 faces are keyed white.
    art.Fill(QRectF(0, 62, 350, 168), Palette::white);
    art.Fill(QRectF(0, 62, 350, 1), QColor(104, 148, 160));
    art.Title(QPointF(22, 14), QString::fromUtf8(PictureWords::kSaveQuestion.title), QStringLiteral("存"),
              24);
    art.Text(QRectF(24, 78, 302, 26), QString::fromUtf8(PictureWords::kSaveQuestion.text),
             CArtPainter::Song(15, true), ink, Qt::AlignLeft | Qt::AlignVCenter);
    art.Text(QRectF(24, 110, 302, 48), QString::fromUtf8(PictureWords::kSaveQuestion.advice),
             CArtPainter::Song(13), Palette::inkSoft, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    art.OrnamentRule(QPointF(175, 168), 120, QColor(150, 186, 196));
    art.DoubleFrame(QRectF(0, 0, 350, 230), QColor(72, 120, 132), 2.0, 2.0);
    return image;
}

QImage Backgrounds::AboutDialog() {
    QImage image = Dialog();
    CArtPainter art(image);
    Frame(art);
    CMotifPainter motifs(art.Raw());
    const QPointF emblem(64, 68);
    motifs.BaguaRing(emblem, 32, 18, 3, 5.5, QColor(40, 96, 110));
    motifs.Taiji(emblem, 24, 0, Palette::cream, Palette::ink, Palette::ink);
    art.Text(QRectF(122, 24, 210, 40), QStringLiteral("Quintara V4.3"), CArtPainter::Kai(28), ink,
             Qt::AlignLeft | Qt::AlignVCenter);
    art.Text(QRectF(122, 64, 210, 22), QStringLiteral("周易梅花易数 · 排列三预测"), CArtPainter::Song(14),
             Palette::inkSoft, Qt::AlignLeft | Qt::AlignVCenter);
    art.Text(QRectF(28, 122, 294, 36),
             QStringLiteral("以先天八卦之数起卦，推演主卦、互卦与变卦，以体用生克断其吉凶。"),
             CArtPainter::Song(12), ink, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    art.Text(QRectF(24, 205, 290, 14), QStringLiteral("点击任意处关闭"), CArtPainter::Song(11),
             QColor(74, 118, 130), Qt::AlignRight | Qt::AlignVCenter);
    return image;
}
