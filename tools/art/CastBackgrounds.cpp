// SPDX-License-Identifier: GPL-3.0-or-later
// The pages of a cast: start, make, show and explanation.
#include "tools/art/ArtPalette.h"
#include "tools/art/Backgrounds.h"
#include "tools/art/CArtPainter.h"
#include "tools/art/CMotifPainter.h"
#include "tools/art/CPageChrome.h"

namespace {
using Palette::ink;
using R = Layout::Rect;

QColor Lighter(const QColor& base, int amount) {
    return QColor(std::min(base.red() + amount, 255), std::min(base.green() + amount, 255),
                  std::min(base.blue() + amount, 255));
}

void Couplet(CArtPainter& art, qreal centreX, const QString& text) {
    const QRectF scroll(centreX - 19, 138, 38, 4 * 30 + 24);
    art.RoundPanel(scroll, 3, QColor(226, 240, 242), QColor(104, 148, 160));
    art.VerticalText(QPointF(centreX, 150), text, CArtPainter::Kai(24), ink, 30);
}

// The eight trigrams with their earlier-heaven numbers, which turn a date into a cast.
void TrigramNumbers(CArtPainter& art, qreal left, qreal top) {
    CMotifPainter motifs(art.Raw());
    static const QString numerals = QStringLiteral("一二三四五六七八");
    for (int t = 1; t <= 8; ++t) {
        const qreal y = top + (t - 1) * 30;
        motifs.Trigram(QRectF(left, y + 5, 24, 16), CMotifPainter::TrigramLines(t), QColor(30, 84, 96), 3, 5);
        art.Text(QRectF(left + 32, y, 70, 26), CMotifPainter::TrigramName(t) + numerals.mid(t - 1, 1),
                 CArtPainter::Kai(18), ink, Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void CastRules(CArtPainter& art, qreal left, qreal top) {
    const QFont rule = CArtPainter::Song(14);
    const QFont head = CArtPainter::Kai(17);
    const QString heads[3] = {QStringLiteral("上卦"), QStringLiteral("下卦"), QStringLiteral("动爻")};
    // Casting by number: the digits of one number split into a front and a back half.
    const QString rules[3] = {QStringLiteral("前半数字之和\n除八取余"),
                              QStringLiteral("后半数字之和\n除八取余"), QStringLiteral("两数之和\n除六取余")};
    for (int i = 0; i < 3; ++i) {
        const qreal y = top + i * 78;
        art.Text(QRectF(left, y, 120, 24), heads[i], head, Palette::cinnabarDark,
                 Qt::AlignLeft | Qt::AlignVCenter);
        art.Text(QRectF(left, y + 24, 140, 44), rules[i], rule, ink, Qt::AlignLeft | Qt::AlignTop);
    }
}

// A name box over a hexagram: the card that frames each of the three readings.
void ReadingCard(CPageChrome& chrome, CArtPainter& art, const QRectF& card, const R& name,
                 const QString& title, const QString& note) {
    chrome.Card(card, Backgrounds::HexagramCard());
    art.Text(QRectF(card.left(), card.top() + 6, card.width(), 34), title, CArtPainter::Kai(21), ink);
    // The note sits under the hexagram, which is not always the card's middle.
    const qreal centre = name.x + name.w / 2.0;
    art.Text(QRectF(centre - 40, card.bottom() - 23, 80, 18), note, CArtPainter::Song(12),
             QColor(74, 118, 130));
    chrome.Wells({name});
}
}  // namespace

QColor Backgrounds::HexagramCard() {
    return Palette::paper;
}

QImage Backgrounds::StartPage() {
    QImage image(700, 455, QImage::Format_RGB32);
    CArtPainter art(image);
    CPageChrome chrome(art);
    chrome.Ground(image.size(), Palette::celadonMist);
    art.Title(QPointF(22, 14), QStringLiteral("起卦"), QStringLiteral("卦"), 26);
    const R anim = Layout::StartPage::animation;
    const QPointF centre(anim.x + anim.w / 2.0, anim.y + anim.h / 2.0);
    art.Text(QRectF(centre.x() - 250, 62, 500, 28), QStringLiteral("静心默想所问之事，然后点击「立即起卦」"),
             CArtPainter::Kai(19), Palette::inkSoft);
    // A round moon window behind the turning bagua.
    QPainter& p = art.Raw();
    p.setPen(Qt::NoPen);
    p.setBrush(Lighter(Palette::celadonMist, 14));
    p.drawEllipse(centre, 122, 122);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(96, 146, 158), 2.0));
    p.drawEllipse(centre, 122, 122);
    p.setPen(QPen(QColor(96, 146, 158), 1.0));
    p.drawEllipse(centre, 128, 128);
    Couplet(art, 112, QStringLiteral("以数起卦"));
    Couplet(art, 524, QStringLiteral("观物取象"));
    art.OrnamentRule(QPointF(centre.x(), 382), 200, QColor(96, 146, 158));
    return image;
}

QImage Backgrounds::MakePage() {
    QImage image(700, 455, QImage::Format_RGB32);
    CArtPainter art(image);
    CPageChrome chrome(art);
    chrome.Ground(image.size(), Palette::celadon);
    art.Title(QPointF(22, 14), QStringLiteral("成卦"), QStringLiteral("成"), 26);
    const R anim = Layout::MakePage::animation;
    const QPointF centre(anim.x + anim.w / 2.0, anim.y + anim.h / 2.0);
    QPainter& p = art.Raw();
    p.setPen(Qt::NoPen);
    p.setBrush(Lighter(Palette::celadon, 12));
    p.drawEllipse(centre, 118, 118);
    CMotifPainter motifs(p);
    // Sixty-four ticks, one for each hexagram.
    motifs.TickRing(centre, 118, 64, 6, QColor(96, 146, 158));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(96, 146, 158), 1.0));
    p.drawEllipse(centre, 130, 130);
    TrigramNumbers(art, 60, 96);
    CastRules(art, 540, 100);
    art.Text(QRectF(centre.x() - 200, 376, 400, 30), QStringLiteral("卦成于数　数定于时"),
             CArtPainter::Kai(22), ink);
    art.Text(QRectF(centre.x() - 250, 408, 500, 22), QStringLiteral("正在推演主卦、互卦与变卦……"),
             CArtPainter::Song(14), Palette::inkSoft);
    return image;
}

QImage Backgrounds::ShowPage() {
    QImage image(700, 455, QImage::Format_RGB32);
    CArtPainter art(image);
    CPageChrome chrome(art);
    chrome.Ground(image.size(), Palette::celadon);
    art.Title(QPointF(22, 8), QStringLiteral("得卦"), QStringLiteral("得"), 24);
    chrome.DateRibbon();
    art.RoundPanel(QRectF(18, 46, 664, 326), 8, Palette::celadonDeep, QColor(96, 146, 158));
    namespace S = Layout::ShowPage;
    ReadingCard(chrome, art, QRectF(88, 104, 156, 154), S::mainName, QStringLiteral("主卦"),
                QStringLiteral("事之始"));
    ReadingCard(chrome, art, QRectF(296, 104, 134, 154), S::mutualName, QStringLiteral("互卦"),
                QStringLiteral("事之中"));
    ReadingCard(chrome, art, QRectF(516, 104, 134, 154), S::changedName, QStringLiteral("变卦"),
                QStringLiteral("事之终"));
    art.CaptionOver(S::movingLineWord, QStringLiteral("动爻"), CArtPainter::Kai(16), Palette::cinnabarDark, 2,
                    20);
    chrome.Wells({S::movingLineWord});
    art.OrnamentRule(QPointF(270, 181), 18, QColor(74, 118, 130));
    art.OrnamentRule(QPointF(473, 181), 30, QColor(74, 118, 130));
    art.Text(QRectF(20, 58, 660, 30), QStringLiteral("先观主卦之象，再参互卦、变卦，以知事之始终"),
             CArtPainter::Kai(17), Palette::inkSoft);
    art.Text(QRectF(40, 272, 620, 26), QStringLiteral("主卦看现状，互卦看过程，变卦看结果。"),
             CArtPainter::Song(14), ink);
    art.CaptionLeft(S::nextButton, QStringLiteral("卦辞详解"), CArtPainter::Kai(17), ink, 8, 120);
    return image;
}

QImage Backgrounds::ExplainPage() {
    QImage image(700, 500, QImage::Format_RGB32);
    CArtPainter art(image);
    CPageChrome chrome(art);
    chrome.Ground(image.size(), Palette::celadon);
    art.Title(QPointF(22, 8), QStringLiteral("解卦"), QStringLiteral("解"), 24);
    chrome.DateRibbon();
    namespace E = Layout::ExplainPage;
    const QFont caption = CArtPainter::Kai(18);
    chrome.Card(QRectF(74, 44, 192, 92), Backgrounds::HexagramCard());
    chrome.Card(QRectF(296, 44, 120, 92), Backgrounds::HexagramCard());
    chrome.Card(QRectF(516, 44, 120, 92), Backgrounds::HexagramCard());
    art.CaptionLeft(E::mainName, QStringLiteral("主卦"), caption, ink, 4, 50);
    art.CaptionLeft(E::mutualName, QStringLiteral("互卦"), caption, ink, 4, 50);
    art.CaptionLeft(E::changedName, QStringLiteral("变卦"), caption, ink, 4, 50);
    art.CaptionOver(E::movingLineWord, QStringLiteral("动爻"), CArtPainter::Kai(16), Palette::cinnabarDark, 2,
                    20);
    chrome.Wells({E::mainName, E::mutualName, E::changedName, E::movingLineWord, E::mainJudgement,
                  E::mutualJudgement, E::changedJudgement, E::movingLineVerse, E::judgementSummary});
    chrome.SectionCaption(QRectF(E::mainJudgement.x, 137, 190, 20), QStringLiteral("主卦卦辞"));
    chrome.SectionCaption(QRectF(E::mutualJudgement.x, 137, 190, 20), QStringLiteral("互卦卦辞"));
    chrome.SectionCaption(QRectF(E::changedJudgement.x, 137, 190, 20), QStringLiteral("变卦卦辞"));
    art.VerticalText(QPointF(37, 239), QStringLiteral("爻辞"), caption, ink, 20);
    art.VerticalText(QPointF(48, 310), QStringLiteral("体用断语"), caption, ink, 22);
    const R verse = E::movingLineVerse;
    art.RoundPanel(QRectF(verse.Right() + 14, verse.y, 686 - verse.Right() - 14, verse.h), 5,
                   QColor(190, 226, 234), QColor(120, 166, 178));
    art.Text(QRectF(verse.Right() + 22, verse.y + 2, 200, 20), QStringLiteral("动爻之辞"),
             CArtPainter::Kai(15), Palette::cinnabarDark, Qt::AlignLeft | Qt::AlignVCenter);
    art.Text(QRectF(verse.Right() + 22, verse.y + 22, 210, 20), QStringLiteral("卦中变动之爻，占断之要"),
             CArtPainter::Song(13), ink, Qt::AlignLeft | Qt::AlignVCenter);
    // The arrow sits on a deeper pad, with its caption.
    const R next = E::nextButton;
    art.RoundPanel(QRectF(next.x - 170, next.y - 7, next.w + 182, next.h + 14), 8, Palette::celadonDeep,
                   QColor(96, 146, 158));
    art.Text(QRectF(next.x - 160, next.y, 150, next.h), QStringLiteral("下一步：预测号码"),
             CArtPainter::Kai(17), ink, Qt::AlignRight | Qt::AlignVCenter);
    return image;
}
