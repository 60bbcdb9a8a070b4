// SPDX-License-Identifier: GPL-3.0-or-later
// The home view: the main window's background and the navigation panel.
#include "tools/art/ArtPalette.h"
#include "tools/art/Backgrounds.h"
#include "tools/art/CArtPainter.h"
#include "tools/art/CMotifPainter.h"
#include "tools/art/CPageChrome.h"
#include "tools/art/HoverPictures.h"

namespace {
using Palette::ink;

void HomeTitle(CArtPainter& art) {
    art.EngravedText(QRectF(200, 14, 360, 50), QStringLiteral("周易预测"), CArtPainter::Kai(40), ink,
                     QColor(190, 226, 234), Qt::AlignLeft | Qt::AlignVCenter);
    art.Text(QRectF(204, 64, 420, 24), QStringLiteral("梅花易数 · 排列三号码预测"), CArtPainter::Song(15),
             Palette::inkSoft, Qt::AlignLeft | Qt::AlignVCenter);
    CMotifPainter(art.Raw()).Seal(QRectF(372, 24, 30, 30), QStringLiteral("易"), Palette::cinnabar,
                                  Palette::cream);
}

void PlayerStrip(CArtPainter& art) {
    QPainter& p = art.Raw();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(104, 148, 160));
    p.drawLine(0, 455, 699, 455);
    p.setPen(QColor(190, 226, 234));
    p.drawLine(0, 456, 699, 456);
    p.restore();
    const QFont caption = CArtPainter::Kai(17);
    art.CaptionLeft(Layout::MainWindow::playerLabel, QStringLiteral("玩家："), caption, ink, 4, 70);
    art.CaptionLeft(Layout::MainWindow::zodiacLabel, QStringLiteral("生肖："), caption, ink, 4, 60);
    p.save();
    p.setPen(QPen(QColor(104, 148, 160), 1.0, Qt::DotLine));
    const Layout::Rect a = Layout::MainWindow::playerLabel;
    const Layout::Rect b = Layout::MainWindow::zodiacLabel;
    p.drawLine(QPointF(a.x, a.Bottom() + 0.5), QPointF(a.Right(), a.Bottom() + 0.5));
    p.drawLine(QPointF(b.x - 4, b.Bottom() + 0.5), QPointF(b.Right() + 4, b.Bottom() + 0.5));
    p.restore();
    art.Text(QRectF(380, 462, 180, 30), QStringLiteral("Quintara V4.3"), CArtPainter::Song(13),
             QColor(74, 118, 130), Qt::AlignRight | Qt::AlignVCenter);
}
}  // namespace

QImage Backgrounds::MainWindow() {
    QImage image(700, 500, QImage::Format_RGB32);
    CArtPainter art(image);
    art.Fill(QRectF(0, 0, 700, 500), Palette::celadon);
    art.Fill(QRectF(0, 0, 187, 455), Palette::teal);  // under the navigation panel
    CMotifPainter motifs(art.Raw());
    // Faint clouds in the open ground of the home view.
    motifs.Cloud(QPointF(226, 430), 52, QColor(171, 211, 220));
    motifs.Cloud(QPointF(660, 424), 44, QColor(171, 211, 220), true);
    motifs.PlumBranch(QPointF(700, 104), 0.9, true, QColor(46, 70, 70), QColor(252, 236, 232),
                      Palette::cinnabar);
    HomeTitle(art);
    // The frame in which the hover pictures appear; at rest it shows the welcome card.
    const Layout::Rect hover = Layout::MainWindow::hoverPicture;
    art.DoubleFrame(QRectF(hover.x - 7, hover.y - 7, hover.w + 14, hover.h + 14), QColor(96, 146, 158), 3.0,
                    1.5);
    art.Raw().drawImage(hover.x, hover.y, HoverPictures::Welcome());
    art.Text(QRectF(200, 412, 500, 30), QStringLiteral("易有太极，是生两仪，两仪生四象，四象生八卦。"),
             CArtPainter::Song(14), QColor(60, 100, 110));
    PlayerStrip(art);
    return image;
}

QImage Backgrounds::NavPanel() {
    QImage image(187, 455, QImage::Format_RGB32);
    CArtPainter art(image);
    art.Fill(QRectF(0, 0, 187, 455), Palette::teal);
    QPainter& p = art.Raw();
    // A rule down the right edge separates the panel from the page.
    p.fillRect(QRectF(181, 0, 2, 455), QColor(98, 176, 198));
    p.fillRect(QRectF(184, 0, 3, 455), QColor(44, 118, 140));
    art.EngravedText(QRectF(0, 6, 181, 36), QStringLiteral("梅花易数"), CArtPainter::Kai(24), Palette::cream,
                     QColor(30, 100, 120));
    art.OrnamentRule(QPointF(90, 43), 64, QColor(150, 206, 220));
    CMotifPainter motifs(p);
    const QPointF centre(90, 346);
    motifs.BaguaRing(centre, 30, 18, 2.6, 5.5, QColor(112, 184, 204), 0);
    motifs.Taiji(centre, 21, 0, QColor(150, 210, 224), QColor(40, 118, 142), QColor(112, 184, 204));
    art.Text(QRectF(10, 408, 72, 16), QStringLiteral("Quintara"), CArtPainter::Song(12),
             QColor(188, 228, 238), Qt::AlignRight | Qt::AlignVCenter);
    art.Text(QRectF(10, 422, 72, 16), QStringLiteral("V4.3"), CArtPainter::Song(12), QColor(188, 228, 238),
             Qt::AlignRight | Qt::AlignVCenter);
    return image;
}
