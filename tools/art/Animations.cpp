// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPainter>
#include <cmath>
#include <numbers>

#include "res/Layout.h"
#include "tools/art/ArtPalette.h"
#include "tools/art/CArtPainter.h"
#include "tools/art/CMotifPainter.h"
#include "tools/art/Pictures.h"

namespace {
constexpr int frameSize = 243;

QImage Crop(const QImage& ground, const Layout::Rect& at) {
    QImage frame(frameSize, frameSize, QImage::Format_RGB32);
    frame.fill(ground.pixel(at.x, at.y));
    QPainter p(&frame);
    p.drawImage(QPoint(0, 0), ground, QRect(at.x, at.y, frameSize, frameSize));
    return frame;
}
}  // namespace

QImage Pictures::StartFrame(const QImage& ground, int frame) {
    const Layout::Rect at = Layout::StartPage::animation;
    QImage image = Crop(ground, at);
    CArtPainter art(image);
    QPainter& p = art.Raw();
    CMotifPainter motifs(p);
    const QPointF centre(at.w / 2.0, at.h / 2.0);
    // Eighteen beads: the cinnabar one walks round once per loop while the taiji turns once.
    const int step = (frame - 1) % 18;
    for (int i = 0; i < 18; ++i) {
        const qreal a = (i * 20.0 - 90.0) * std::numbers::pi / 180.0;
        const QPointF bead(centre.x() + 89 * std::cos(a), centre.y() + 89 * std::sin(a));
        const int distance = (step - i + 18) % 18;
        QColor colour = distance == 0 ? Palette::cinnabar : QColor(96, 146, 158);
        if (distance == 1 || distance == 2) {
            colour = QColor(170, 96, 80, distance == 1 ? 200 : 130);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(bead, distance == 0 ? 4.2 : 2.6, distance == 0 ? 4.2 : 2.6);
    }
    p.setBrush(QColor(226, 240, 242));
    p.setPen(QPen(QColor(96, 146, 158), 1.0));
    p.drawEllipse(centre, 79, 79);
    motifs.BaguaRing(centre, 56, 22, 3.2, 6.5, QColor(20, 70, 80));
    motifs.Taiji(centre, 44, step * 20.0, Palette::cream, Palette::ink, Palette::ink);
    return image;
}

QImage Pictures::MakeFrame(const QImage& ground, int frame) {
    const Layout::Rect at = Layout::MakePage::animation;
    QImage image = Crop(ground, at);
    CArtPainter art(image);
    QPainter& p = art.Raw();
    CMotifPainter motifs(p);
    const QPointF centre(at.w / 2.0, at.h / 2.0);
    const qreal angle = frame * 60.0;
    // Trailing arcs behind the spinning disc give it speed.
    for (int trail = 3; trail >= 1; --trail) {
        p.setPen(QPen(QColor(0, 40, 40, 36 * (4 - trail)), 5.0 - trail, Qt::SolidLine, Qt::RoundCap));
        const qreal r = 84 + trail * 5;
        const int start = static_cast<int>((90 - angle - trail * 14) * 16);
        p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), start, -70 * 16);
        p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), start + 180 * 16, -70 * 16);
    }
    motifs.Taiji(centre, 78, angle, Palette::cream, Palette::ink, Palette::ink);
    // Six lines appear one after the other round the disc, as the six lines of the hexagram are made.
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(i * 60.0);
        const bool current = i == frame % 6;
        p.setPen(Qt::NoPen);
        p.setBrush(current ? Palette::cinnabar : QColor(96, 146, 158));
        const qreal w = current ? 26 : 20;
        if (i % 2 == 0) {
            p.drawRoundedRect(QRectF(-w / 2, -106, w, 5), 1.5, 1.5);
        } else {
            p.drawRoundedRect(QRectF(-w / 2, -106, w * 0.4, 5), 1.5, 1.5);
            p.drawRoundedRect(QRectF(w / 2 - w * 0.4, -106, w * 0.4, 5), 1.5, 1.5);
        }
        p.restore();
    }
    return image;
}
