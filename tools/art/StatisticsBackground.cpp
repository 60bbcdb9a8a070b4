// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window: its title, the frames of its four tables and its chart, and every caption. The
// numbers, the rates' lines, the scope, the prices and the closing sentences are the window's own, drawn
// over this at run time in the places res/Layout.h gives.
#include <QPainter>

#include "tools/art/ArtPalette.h"
#include "tools/art/Backgrounds.h"
#include "tools/art/CArtPainter.h"

namespace {
namespace S = Layout::StatisticsDialog;
using Palette::ink;

QRectF Cell(int x, int y, int w) {
    return QRectF(x, y, w, S::rowHeight);
}

void Panels(CArtPainter& art) {
    for (const Layout::Rect& panel :
         {S::countsPanel, S::hitsPanel, S::positionsPanel, S::chartPanel, S::ledgerPanel}) {
        art.RoundPanel(CArtPainter::ToRectF(panel), 6, Palette::paper, Palette::slate);
    }
}

void Counts(CArtPainter& art) {
    const QFont caption = CArtPainter::Song(14, true);
    const char16_t* const captions[] = {u"已保存预测", u"已开奖", u"待开奖"};
    for (int row = 0; row < 3; ++row) {
        art.Text(Cell(S::countsCaptionX, S::countsPanel.y + 4 + row * S::rowHeight, 90),
                 QString::fromUtf16(captions[row]), caption, ink, Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void Hits(CArtPainter& art) {
    const int top = S::hitsPanel.y + 4;
    const char16_t* const titles[] = {u"命中", u"命中率", u"偶然率", u"偶然期望"};
    for (int column = 0; column < 4; ++column) {
        art.Text(Cell(S::hitsFirstColumnX + column * S::hitsColumnW, top, S::hitsColumnW),
                 QString::fromUtf16(titles[column]), CArtPainter::Song(13, true), Palette::inkSoft);
    }
    art.Fill(QRectF(S::hitsCaptionX, top + S::rowHeight - 1, 364, 1), Palette::slate);
    art.Text(Cell(S::hitsCaptionX, top + S::rowHeight, 118), QStringLiteral("直选（正确）"),
             CArtPainter::Song(14, true), ink, Qt::AlignLeft | Qt::AlignVCenter);
    art.Text(Cell(S::hitsCaptionX, top + 2 * S::rowHeight, 118), QStringLiteral("组选（任意序）"),
             CArtPainter::Song(14, true), ink, Qt::AlignLeft | Qt::AlignVCenter);
}

void Positions(CArtPainter& art) {
    const int top = S::positionsPanel.y + 4;
    const char16_t* const numbers = u"一二三四五六七八";
    for (int column = 0; column < 8; ++column) {
        const QString title = QStringLiteral("第") + QChar(numbers[column]) + QStringLiteral("组");
        art.Text(Cell(S::positionsFirstColumnX + column * S::positionsColumnW, top, S::positionsColumnW),
                 title, CArtPainter::Song(13, true), Palette::inkSoft);
    }
    art.Fill(QRectF(S::positionsCaptionX, top + S::rowHeight - 1, 550, 1), Palette::slate);
    art.Text(Cell(S::positionsCaptionX, top + S::rowHeight, 92), QStringLiteral("直选命中"),
             CArtPainter::Song(14, true), ink, Qt::AlignLeft | Qt::AlignVCenter);
    art.Text(Cell(S::positionsCaptionX, top + 2 * S::rowHeight, 92), QStringLiteral("组选命中"),
             CArtPainter::Song(14, true), ink, Qt::AlignLeft | Qt::AlignVCenter);
}

// The chart's caption, legend and axes; the scale and the lines depend on the records.
void Chart(CArtPainter& art) {
    const QRectF plot = CArtPainter::ToRectF(S::chartPlot);
    art.Text(QRectF(S::chartPanel.x + 10, S::chartPanel.y + 4, 200, 18), QStringLiteral("命中率走势"),
             CArtPainter::Kai(15), ink, Qt::AlignLeft | Qt::AlignVCenter);
    QPainter& painter = art.Raw();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const qreal legendY = S::chartPanel.y + 13.5;
    painter.setPen(QPen(Palette::cinnabar, 2));
    painter.drawLine(QPointF(360, legendY), QPointF(384, legendY));
    painter.setPen(QPen(Palette::slate, 2, Qt::DashLine));
    painter.drawLine(QPointF(460, legendY), QPointF(484, legendY));
    art.Text(QRectF(390, S::chartPanel.y + 4, 60, 18), QStringLiteral("命中率"), CArtPainter::Song(12), ink,
             Qt::AlignLeft | Qt::AlignVCenter);
    art.Text(QRectF(490, S::chartPanel.y + 4, 80, 18), QStringLiteral("偶然率"), CArtPainter::Song(12), ink,
             Qt::AlignLeft | Qt::AlignVCenter);
    painter.setPen(QPen(Palette::inkSoft, 1));
    painter.drawLine(QPointF(plot.left() - 0.5, plot.top()), QPointF(plot.left() - 0.5, plot.bottom() + 0.5));
    painter.drawLine(QPointF(plot.left() - 0.5, plot.bottom() + 0.5),
                     QPointF(plot.right(), plot.bottom() + 0.5));
    art.Text(QRectF(plot.right() - 120, plot.bottom() + 14, 120, 14), QStringLiteral("已开奖期数"),
             CArtPainter::Song(11), Palette::inkSoft, Qt::AlignRight | Qt::AlignVCenter);
}

// Had the player bought the codes: the tickets, the stake, the prizes, and what chance pays back.
void Ledger(CArtPainter& art) {
    art.Text(QRectF(S::ledgerPanel.x + 10, S::ledgerPanel.y + 4, 160, 22), QStringLiteral("假如每期都买"),
             CArtPainter::Kai(15), ink, Qt::AlignLeft | Qt::AlignVCenter);
    const char16_t* const titles[] = {u"注数", u"投入", u"奖金", u"偶然平均"};
    for (int column = 0; column < 4; ++column) {
        art.Text(Cell(S::ledgerFirstColumnX + column * S::ledgerColumnW, S::ledgerTitleY, S::ledgerColumnW),
                 QString::fromUtf16(titles[column]), CArtPainter::Song(13, true), Palette::inkSoft);
    }
    art.Fill(QRectF(S::ledgerCaptionX, S::ledgerTitleY + S::rowHeight - 1, 550, 1), Palette::slate);
    art.Text(Cell(S::ledgerCaptionX, S::ledgerTitleY + S::rowHeight, 148), QStringLiteral("直选"),
             CArtPainter::Song(14, true), ink, Qt::AlignLeft | Qt::AlignVCenter);
    art.Text(Cell(S::ledgerCaptionX, S::ledgerTitleY + 2 * S::rowHeight, 148),
             QStringLiteral("组选（豹子不买）"), CArtPainter::Song(14, true), ink,
             Qt::AlignLeft | Qt::AlignVCenter);
}

}  // namespace

QImage Backgrounds::StatisticsDialog() {
    QImage image(S::client.w, S::client.h, QImage::Format_RGB32);
    image.fill(Palette::celadon);
    CArtPainter art(image);
    art.Title(QPointF(22, 12), QStringLiteral("预测统计"), QStringLiteral("统"), 24);
    art.Text(QRectF(170, 28, 270, 22), QStringLiteral("命中与纯凭偶然相比 · 号码仅供娱乐"),
             CArtPainter::Song(12), Palette::inkSoft, Qt::AlignLeft | Qt::AlignVCenter);
    // 只统计当前的记录 beside its square is a label of the window, shown only when there is an archive.
    art.Fill(QRectF(16, 52, 568, 1), Palette::slate);
    Panels(art);
    Counts(art);
    Hits(art);
    Positions(art);
    Chart(art);
    Ledger(art);
    art.DoubleFrame(QRectF(0, 0, S::client.w, S::client.h), QColor(72, 120, 132), 2.0, 2.0);
    return image;
}
