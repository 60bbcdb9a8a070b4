// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/art/HoverPictures.h"

#include <QPainterPath>

#include "res/PictureWords.h"
#include "tools/art/ArtPalette.h"
#include "tools/art/Backgrounds.h"
#include "tools/art/CArtPainter.h"
#include "tools/art/CMotifPainter.h"

namespace {
using Palette::ink;
const QColor cardGround(230, 243, 245);
const QColor rule(104, 148, 160);

QImage Card(const QString& title, const QString& seal, const QString& line1, const QString& line2,
            void (*illustrate)(CArtPainter&)) {
    QImage image(342, 280, QImage::Format_RGB32);
    image.fill(cardGround);
    CArtPainter art(image);
    art.DoubleFrame(QRectF(0, 0, 342, 280), rule, 3.0, 1.0);
    art.Title(QPointF(18, 14), title, seal, 22);
    art.OrnamentRule(QPointF(171, 52), 150, QColor(150, 186, 196));
    illustrate(art);
    art.Text(QRectF(16, 214, 310, 24), line1, CArtPainter::Song(15, true), ink);
    art.Text(QRectF(16, 240, 310, 24), line2, CArtPainter::Song(14), Palette::inkSoft);
    return image;
}

void WelcomeArt(CArtPainter& art) {
    CMotifPainter motifs(art.Raw());
    const QPointF centre(171, 132);
    motifs.BaguaRing(centre, 52, 30, 4, 8, QColor(40, 96, 110));
    motifs.Taiji(centre, 40, 0, Palette::cream, Palette::ink, Palette::ink);
}

void SelectArt(CArtPainter& art) {
    CMotifPainter motifs(art.Raw());
    // A hexagram turns into three digits.
    motifs.Trigram(QRectF(44, 74, 70, 46), CMotifPainter::TrigramLines(6), ink, 8, 12);
    motifs.Trigram(QRectF(44, 130, 70, 46), CMotifPainter::TrigramLines(4), ink, 8, 12);
    QPainter& p = art.Raw();
    p.setPen(QPen(Palette::cinnabar, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(130, 125), QPointF(164, 125));
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::cinnabar);
    QPolygonF head;
    head << QPointF(174, 125) << QPointF(160, 116) << QPointF(160, 134);
    p.drawPolygon(head);
    const QString digits = QStringLiteral("386");
    for (int i = 0; i < 3; ++i) {
        const QRectF box(186 + i * 44, 103, 38, 46);
        art.RoundPanel(box, 5, Palette::celadonLight, rule, 1.5);
        art.Text(box, digits.mid(i, 1), CArtPainter::Hei(30, true), ink);
    }
    art.Text(QRectF(180, 156, 140, 22), QStringLiteral("八组号码"), CArtPainter::Kai(17),
             Palette::cinnabarDark);
}

void HistoryArt(CArtPainter& art) {
    const QRectF sheet(26, 70, 270, 124);
    art.RoundPanel(sheet, 4, Palette::white, rule);
    QPainter& p = art.Raw();
    const char* const rows[4][3] = {{"2009-6-18", "386 512 907", "未知"},
                                    {"2009-6-19", "120 743 018", "正确"},
                                    {"2009-6-20", "665 291 474", "错误"},
                                    {"2009-6-21", "903 158 627", "未知"}};
    art.Fill(QRectF(27, 71, 268, 22), Palette::slate);
    art.Text(QRectF(30, 71, 80, 22), QStringLiteral("开奖日期"), CArtPainter::Song(12, true), Palette::white);
    art.Text(QRectF(110, 71, 110, 22), QStringLiteral("预测号码"), CArtPainter::Song(12, true),
             Palette::white);
    art.Text(QRectF(222, 71, 64, 22), QStringLiteral("结果"), CArtPainter::Song(12, true), Palette::white);
    for (int r = 0; r < 4; ++r) {
        const qreal y = 95 + r * 24;
        p.fillRect(QRectF(27, y + 22, 268, 1), QColor(206, 226, 232));
        art.Text(QRectF(30, y, 80, 22), QString::fromUtf8(rows[r][0]), CArtPainter::Song(12), ink);
        art.Text(QRectF(110, y, 110, 22), QString::fromUtf8(rows[r][1]), CArtPainter::Song(12), ink);
        const QString verdict = QString::fromUtf8(rows[r][2]);
        const QColor colour = r == 1 ? QColor(0, 128, 80) : (r == 2 ? QColor(200, 20, 20) : ink);
        art.Text(QRectF(222, y, 64, 22), verdict, CArtPainter::Song(12, true), colour);
    }
    CMotifPainter(p).Seal(QRectF(300, 164, 30, 30), QStringLiteral("中"), Palette::cinnabar, Palette::cream);
}

void PlayerArt(CArtPainter& art) {
    QPainter& p = art.Raw();
    const QRectF plot(118, 72, 200, 122);
    art.RoundPanel(plot, 4, Backgrounds::ChartGround(), QColor(40, 84, 96));
    static constexpr int levels[12] = {2, 3, 5, 4, 6, 5, 3, 2, 3, 4, 5, 6};
    QPolygonF line;
    for (int i = 0; i < 12; ++i) {
        line << QPointF(plot.left() + 12 + i * 16, plot.bottom() - 14 - levels[i] * 15);
    }
    p.setPen(QPen(QColor(84, 134, 148), 1, Qt::DashLine));
    for (int l = 0; l <= 6; ++l) {
        p.drawLine(QPointF(plot.left() + 4, plot.bottom() - 14 - l * 15),
                   QPointF(plot.right() - 4, plot.bottom() - 14 - l * 15));
    }
    p.setPen(QPen(Palette::white, 1.6));
    p.drawPolyline(line);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::white);
    for (const QPointF& point : line) {
        p.drawEllipse(point, 3.2, 3.2);
    }
    CMotifPainter(p).Seal(QRectF(30, 80, 70, 70), QStringLiteral("属龙"), Palette::cinnabar, Palette::cream);
    art.Text(QRectF(24, 156, 84, 36), QStringLiteral("姓名 性别\n生肖"), CArtPainter::Song(12), ink);
}

void AnswerArt(CArtPainter& art) {
    QPainter& p = art.Raw();
    // An open stitched book with a taiji on one page and lines of text on the other.
    const QRectF left(60, 74, 108, 126);
    const QRectF right(174, 74, 108, 126);
    art.RoundPanel(left.adjusted(-4, -4, 4, 4), 4, QColor(40, 96, 110), QColor(20, 70, 84));
    art.RoundPanel(right.adjusted(-4, -4, 4, 4), 4, QColor(40, 96, 110), QColor(20, 70, 84));
    art.Fill(left, QColor(252, 248, 236));
    art.Fill(right, QColor(252, 248, 236));
    p.fillRect(QRectF(168, 70, 6, 134), QColor(20, 70, 84));
    CMotifPainter motifs(p);
    motifs.Taiji(left.center() - QPointF(0, 10), 30, 0, Palette::cream, Palette::ink, Palette::ink);
    art.Text(QRectF(left.left(), left.bottom() - 30, left.width(), 24), QStringLiteral("易"),
             CArtPainter::Kai(20), Palette::cinnabarDark);
    p.setPen(QPen(QColor(150, 150, 140), 1));
    for (int i = 0; i < 6; ++i) {
        p.drawLine(QPointF(right.right() - 14 - i * 16, right.top() + 12),
                   QPointF(right.right() - 14 - i * 16, right.bottom() - 12 - (i % 3) * 14));
    }
    art.Text(QRectF(214, 130, 66, 66), QStringLiteral("?"), CArtPainter::Kai(58), Palette::cinnabar);
}

QImage Card(const PictureWords::Card& words, const QString& seal, void (*illustrate)(CArtPainter&)) {
    return Card(QString::fromUtf8(words.title), seal, QString::fromUtf8(words.line1),
                QString::fromUtf8(words.line2), illustrate);
}
}  // namespace

QImage HoverPictures::Welcome() {
    return Card(QStringLiteral("欢迎使用"), QStringLiteral("迎"), QStringLiteral("将鼠标移到左侧按钮上"),
                QStringLiteral("即可看到各项功能的说明"), WelcomeArt);
}

QImage HoverPictures::Select() {
    return Card(PictureWords::kPredictCard, QStringLiteral("卦"), SelectArt);
}

QImage HoverPictures::History() {
    return Card(PictureWords::kRecordsCard, QStringLiteral("记"), HistoryArt);
}

QImage HoverPictures::Player() {
    return Card(PictureWords::kPlayerCard, QStringLiteral("玩"), PlayerArt);
}

QImage HoverPictures::Answer() {
    return Card(PictureWords::kAnswersCard, QStringLiteral("疑"), AnswerArt);
}
