// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/art/CPageChrome.h"

#include "tools/art/ArtPalette.h"

void CPageChrome::Ground(const QSize& size, const QColor& base) {
    art.Fill(QRectF(0, 0, size.width(), size.height()), base);
    const QRectF outer(4, 4, size.width() - 8, size.height() - 8);
    art.DoubleFrame(outer, QColor(96, 146, 158), 2.0, 1.0);
    art.KeyCorners(outer.adjusted(7, 7, -7, -7), QColor(104, 148, 160), 11);
}

void CPageChrome::DateRibbon() {
    const QRectF ribbon(200, 7, 484, 27);
    art.RoundPanel(ribbon, 5, QColor(190, 226, 234), QColor(120, 166, 178));
}

void CPageChrome::Card(const QRectF& rect, const QColor& fill) {
    art.RoundPanel(rect, 6, fill, QColor(104, 148, 160));
    art.RoundPanel(rect.adjusted(3, 3, -3, -3), 4, Qt::transparent, QColor(104, 148, 160, 90));
}

void CPageChrome::SectionCaption(const QRectF& rect, const QString& text, int pixels) {
    QPainter& p = art.Raw();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::cinnabar);
    const qreal cy = rect.center().y();
    QPolygonF diamond;
    diamond << QPointF(rect.left(), cy) << QPointF(rect.left() + 4, cy - 4) << QPointF(rect.left() + 8, cy)
            << QPointF(rect.left() + 4, cy + 4);
    p.drawPolygon(diamond);
    p.restore();
    art.Text(rect.adjusted(13, 0, 0, 0), text, CArtPainter::Kai(pixels), Palette::ink,
             Qt::AlignLeft | Qt::AlignVCenter);
}

void CPageChrome::Wells(std::initializer_list<Layout::Rect> fields) {
    for (const Layout::Rect& field : fields) {
        art.Well(field, QColor(92, 136, 148), QColor(226, 242, 246));
    }
}
