// SPDX-License-Identifier: GPL-3.0-or-later
// The number page, the records page and the player page.
#include "res/RecordColumns.h"
#include "tools/art/ArtPalette.h"
#include "tools/art/Backgrounds.h"
#include "tools/art/CArtPainter.h"
#include "tools/art/CMotifPainter.h"
#include "tools/art/CPageChrome.h"

namespace {
using Palette::ink;
using R = Layout::Rect;

void HistoryHeader(CArtPainter& art) {
    namespace H = Layout::HistoryPage;
    const R list = H::list;
    const QRectF bar(list.x, list.y - 24, list.w, 24);
    art.RoundPanel(bar.adjusted(0, 0, 0, 6), 5, Palette::slate, QColor(84, 128, 140));
    art.Fill(QRectF(list.x, list.y - 1, list.w, 1), QColor(84, 128, 140));
    // The list draws its cells from its left border on; the header follows the same columns. The cells are
    // left-aligned with no margin, so each title starts where its column's values start.
    qreal x = list.x + 2;
    QPainter& p = art.Raw();
    for (const RecordColumns::Column& column : RecordColumns::kColumns) {
        art.Text(QRectF(x, bar.top(), column.width, bar.height()), QString::fromUtf8(column.shortTitle),
                 CArtPainter::Song(13, true), QColor(240, 248, 250), Qt::AlignLeft | Qt::AlignVCenter);
        if (x > list.x + 2) {
            p.fillRect(QRectF(x - 1, bar.top() + 5, 1, bar.height() - 10), QColor(150, 190, 200));
        }
        x += column.width;
    }
}

void ChartGrid(CArtPainter& art) {
    namespace P = Layout::PlayerPage;
    QPainter& p = art.Raw();
    const QRectF plot(54, 262, 592, 156);
    art.RoundPanel(plot, 4, Backgrounds::ChartGround(), QColor(40, 84, 96));
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int level = 0; level < 7; ++level) {
        const int y = P::levelY[level];
        p.setPen(QPen(level == 3 ? QColor(120, 170, 182) : QColor(84, 134, 148), 1.0,
                      level == 3 ? Qt::SolidLine : Qt::DashLine));
        p.drawLine(QPointF(plot.left() + 4, y), QPointF(plot.right() - 4, y));
        art.Text(QRectF(22, y - 9, 26, 18), QString::number(level), CArtPainter::Song(13, true), ink,
                 Qt::AlignRight | Qt::AlignVCenter);
    }
    p.setPen(QPen(QColor(70, 120, 134), 1.0, Qt::DotLine));
    for (int x : P::monthX) {
        p.drawLine(QPointF(x, plot.top() + 4), QPointF(x, plot.bottom() - 4));
    }
    p.restore();
    // Month ticks between the plot and the label boxes.
    p.save();
    p.setPen(QPen(ink, 1.0));
    for (int x : P::monthX) {
        p.drawLine(QPointF(x + 0.5, plot.bottom()), QPointF(x + 0.5, plot.bottom() + 5));
    }
    p.restore();
}
}  // namespace

QColor Backgrounds::ChartGround() {
    return QColor(46, 100, 114);
}

QImage Backgrounds::NumberPage() {
    QImage image(700, 455, QImage::Format_RGB32);
    CArtPainter art(image);
    CPageChrome chrome(art);
    chrome.Ground(image.size(), Palette::celadon);
    art.Title(QPointF(22, 14), QStringLiteral("得数"), QStringLiteral("数"), 26);
    namespace N = Layout::NumberPage;
    art.Text(QRectF(0, 58, 700, 30), QStringLiteral("卦象已成，得八组三位号码"), CArtPainter::Kai(22), ink);
    art.Text(QRectF(0, 90, 700, 22), QStringLiteral("号码仅供参考娱乐，不保证中奖"), CArtPainter::Song(13),
             Palette::inkSoft);
    art.RoundPanel(QRectF(40, 128, 620, 96), 8, Palette::celadonDeep, QColor(96, 146, 158));
    static const QString numerals = QStringLiteral("一二三四五六七八");
    for (int i = 0; i < 8; ++i) {
        const R code = N::codes[i];
        art.CaptionOver(code, QStringLiteral("第") + numerals.mid(i, 1) + QStringLiteral("组"),
                        CArtPainter::Kai(16), ink, 4, 22);
        art.Well({code.x - 1, code.y - 1, code.w + 2, code.h + 2}, QColor(84, 128, 140),
                 QColor(196, 230, 238));
    }
    art.Text(QRectF(0, 244, 700, 22),
             QStringLiteral("保存之后，可在【预测记录】中输入开奖号码，查看是否命中。"),
             CArtPainter::Song(14), ink);
    art.RoundPanel(QRectF(30, 306, 640, 56), 10, Palette::celadonDeep, QColor(96, 146, 158));
    const R previous = N::previousButton;
    const R save = N::saveButton;
    art.Text(QRectF(previous.Right() + 10, previous.y, 120, previous.h), QStringLiteral("返回解卦"),
             CArtPainter::Kai(18), ink, Qt::AlignLeft | Qt::AlignVCenter);
    art.CaptionLeft(save, QStringLiteral("保存预测"), CArtPainter::Kai(18), ink, 10, 120);
    art.OrnamentRule(QPointF(320, previous.y + previous.h / 2.0), 70, QColor(84, 128, 140));
    return image;
}

QImage Backgrounds::HistoryPage() {
    QImage image(700, 455, QImage::Format_RGB32);
    CArtPainter art(image);
    CPageChrome chrome(art);
    chrome.Ground(image.size(), Palette::celadon);
    art.Title(QPointF(22, 10), QStringLiteral("预测记录"), QStringLiteral("记"), 24);
    namespace H = Layout::HistoryPage;
    // The whole page in one line: the entry, and what the list's right click holds.
    art.Text(
        QRectF(160, 14, 520, 30),
        QStringLiteral("选中未开奖的一行，输入开奖号码，点「确定」判定命中；右键单击列表可统计、导出、归档"),
        CArtPainter::Song(12), Palette::inkSoft, Qt::AlignRight | Qt::AlignVCenter);
    HistoryHeader(art);
    chrome.Wells({H::list, H::issueEdit});
    art.CaptionLeft(H::issueEdit, QStringLiteral("期号"), CArtPainter::Kai(18), ink, 8, 50);
    // Legend of the list's colours.
    QPainter& p = art.Raw();
    const qreal y = H::list.Bottom() + 13;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 200, 100));
    p.drawRoundedRect(QRectF(470, y - 5, 10, 10), 2, 2);
    p.setBrush(QColor(200, 20, 20));
    p.drawRoundedRect(QRectF(578, y - 5, 10, 10), 2, 2);
    art.Text(QRectF(484, y - 10, 90, 20), QStringLiteral("命中的号码"), CArtPainter::Song(12), ink,
             Qt::AlignLeft | Qt::AlignVCenter);
    // The list's own word for a record whose codes all missed.
    art.Text(QRectF(592, y - 10, 90, 20), QStringLiteral("错误"), CArtPainter::Song(12), ink,
             Qt::AlignLeft | Qt::AlignVCenter);
    return image;
}

QImage Backgrounds::ArchiveDialog() {
    QImage image(Layout::ArchiveDialog::client.w, Layout::ArchiveDialog::client.h, QImage::Format_RGB32);
    CArtPainter art(image);
    CPageChrome chrome(art);
    chrome.Ground(image.size(), Palette::celadon);
    art.Title(QPointF(22, 10), QStringLiteral("预测记录归档"), QStringLiteral("档"), 24);
    art.Text(QRectF(220, 14, 460, 30),
             QStringLiteral("移入归档的已开奖记录，最新的在前；统计和导出都包含它们"), CArtPainter::Song(13),
             Palette::inkSoft, Qt::AlignRight | Qt::AlignVCenter);
    HistoryHeader(art);
    chrome.Wells({Layout::ArchiveDialog::list});
    return image;
}

QImage Backgrounds::PlayerPage() {
    QImage image(700, 455, QImage::Format_RGB32);
    CArtPainter art(image);
    CPageChrome chrome(art);
    chrome.Ground(image.size(), Palette::celadon);
    namespace P = Layout::PlayerPage;
    // The profile form is white paper: the buttons on it are keyed white.
    art.RoundPanel(QRectF(10, 8, 680, 200), 8, Palette::white, QColor(96, 146, 158), 1.5);
    art.Title(QPointF(26, 18), QStringLiteral("玩家资料"), QStringLiteral("玩"), 24);
    const QFont caption = CArtPainter::Kai(18);
    art.CaptionLeft(P::nameEdit, QStringLiteral("姓　名"), caption, ink, 12, 90);
    art.CaptionLeft({P::nameEdit.x, P::maleButton.y - 5, 10, 25}, QStringLiteral("性　别"), caption, ink, 12,
                    90);
    art.CaptionLeft({P::zodiacCombo.x, P::zodiacCombo.y, 10, 26}, QStringLiteral("生　肖"), caption, ink, 12,
                    90);
    const QFont option = CArtPainter::Kai(17);
    art.Text(QRectF(P::maleButton.Right() + 6, P::maleButton.y - 5, 50, 25), QStringLiteral("先生"), option,
             ink, Qt::AlignLeft | Qt::AlignVCenter);
    art.Text(QRectF(P::femaleButton.Right() + 6, P::femaleButton.y - 5, 50, 25), QStringLiteral("小姐"),
             option, ink, Qt::AlignLeft | Qt::AlignVCenter);
    QPainter& p = art.Raw();
    p.setPen(QPen(QColor(150, 186, 196), 1.0, Qt::DashLine));
    p.drawLine(QPointF(24, 136.5), QPointF(676, 136.5));
    art.Text(QRectF(24, 140, 652, 22),
             QStringLiteral("输入十四位财运代码，点「保存」即绘出十二个月的财运走势"), CArtPainter::Song(13),
             Palette::inkSoft, Qt::AlignLeft | Qt::AlignVCenter);
    art.CaptionLeft(P::fortuneCodeEdit, QStringLiteral("财运代码"), caption, ink, 10, 100);
    chrome.Wells({P::fortuneCodeEdit});
    art.Title(QPointF(26, 222), QStringLiteral("财运走势"), QStringLiteral("财"), 20);
    art.Text(QRectF(300, 226, 380, 26), QStringLiteral("0 为最低，6 为最高"), CArtPainter::Song(13),
             Palette::inkSoft, Qt::AlignRight | Qt::AlignVCenter);
    ChartGrid(art);
    return image;
}
