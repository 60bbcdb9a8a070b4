// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/art/CContactSheet.h"

#include <QBitmap>
#include <QImageWriter>
#include <QSaveFile>
#include <vector>

#include "res/Layout.h"
#include "res/ResourceIds.h"
#include "tools/art/ArtPalette.h"
#include "tools/art/CArtPainter.h"
#include "tools/art/CFaceRenderer.h"
#include "tools/art/CMotifPainter.h"
#include "tools/art/FaceTable.h"

namespace {
constexpr int sheetWidth = 1460;
constexpr int margin = 20;
using R = Layout::Rect;

struct Face {
    R rect;
    unsigned id;
};
struct Box {
    R rect;
    QColor back;
    const char* text;
    int pixels;
};
struct Picture {
    R rect;
    const char* file;
};
struct Scene {
    const char* background;
    int width, height;
    std::vector<Face> faces;
    std::vector<Box> boxes;
    std::vector<Picture> pictures;
};

// The name boxes lie on the page ground in its own colour.
const QColor nameBack = Palette::celadon;
const QColor textBack(173, 221, 232), verseBack(164, 210, 221), labelBack(0, 0, 0, 0);

std::vector<Scene> Scenes() {
    namespace N = Layout::NavPanel;
    namespace S = Layout::ShowPage;
    namespace E = Layout::ExplainPage;
    namespace H = Layout::HistoryPage;
    namespace P = Layout::PlayerPage;
    namespace D = Layout::DateDialog;
    const R nav[5] = {N::predictButton, N::recordsButton, N::playerButton, N::answersButton, N::aboutButton};
    return {
        {"main.ggr",
         700,
         500,
         {{Layout::MainWindow::exitButton, kExitBitmap},
          {nav[0], kNavPredictBitmap},
          {nav[1], kNavRecordsBitmap},
          {nav[2], kNavPlayerBitmap},
          {nav[3], kNavAnswersBitmap},
          {nav[4], kNavAboutBitmap},
          {N::seal, kPanelSealBitmap}},
         {{Layout::MainWindow::playerLabel, labelBack, "新玩家", 18},
          {Layout::MainWindow::zodiacLabel, labelBack, "龙", 18}},
         {}},
        {"start.ggr",
         700,
         455,
         {{Layout::StartPage::castButton, kCastBitmap}, {Layout::StartPage::backButton, kStartBackBitmap}},
         {},
         {{Layout::StartPage::animation, "5.bmp"}}},
        {"make_gua.ggr", 700, 455, {}, {}, {{Layout::MakePage::animation, "taiji_2.bmp"}}},
        {"get_gua.ggr",
         700,
         455,
         {{S::nextButton, kArrowRightBitmap}, {S::backButton, kBackBitmap}},
         {{S::sexagenaryLabel, labelBack, "己丑年庚午月壬申日", 16},
          {S::calendarLabel, labelBack, "公历:2009-6-18  农历:五月廿六", 16},
          {S::mainName, nameBack, "泰", 16},
          {S::mutualName, nameBack, "归妹", 16},
          {S::changedName, nameBack, "明夷", 16},
          {S::movingLineWord, nameBack, "二爻动", 14}},
         {{S::mainUpper, "坤.bmp"},
          {S::mainLower, "乾.bmp"},
          {S::mutualUpper, "震.bmp"},
          {S::mutualLower, "兑.bmp"},
          {S::changedUpper, "坤.bmp"},
          {S::changedLower, "离.bmp"}}},
        {"gua_exp.ggr",
         700,
         500,
         {{E::nextButton, kArrowRightBitmap}, {E::backButton, kBackBitmap}},
         {{E::sexagenaryLabel, labelBack, "己丑年庚午月壬申日", 16},
          {E::calendarLabel, labelBack, "公历:2009-6-18  农历:五月廿六", 16},
          {E::mainName, nameBack, "泰", 16},
          {E::mutualName, nameBack, "归妹", 16},
          {E::changedName, nameBack, "明夷", 16},
          {E::movingLineWord, nameBack, "二爻动", 14},
          {E::mainJudgement, textBack, "泰：小往大来，吉亨。", 14},
          {E::mutualJudgement, textBack, "归妹：征凶，无攸利。", 14},
          {E::changedJudgement, textBack, "明夷：利艰贞。", 14},
          {E::movingLineVerse, verseBack, "九二　　包荒，用冯河，不遐遗，朋亡，得尚于中行。", 14},
          {E::judgementSummary, textBack, "主卦： 体卦生用卦，……\n互卦： ……\n变卦： ……", 14}},
         {{E::mainUpper, "坤.bmp"},
          {E::mainLower, "乾.bmp"},
          {E::mutualUpper, "震.bmp"},
          {E::mutualLower, "兑.bmp"},
          {E::changedUpper, "坤.bmp"},
          {E::changedLower, "离.bmp"}}},
        {"get_num.ggr",
         700,
         455,
         {{Layout::NumberPage::previousButton, kArrowLeftBitmap},
          {Layout::NumberPage::saveButton, kArrowRightBitmap},
          {Layout::NumberPage::backButton, kBackBitmap}},
         {{Layout::NumberPage::codes[0], textBack, "386", 25},
          {Layout::NumberPage::codes[1], textBack, "512", 25},
          {Layout::NumberPage::codes[2], textBack, "907", 25},
          {Layout::NumberPage::codes[3], textBack, "018", 25},
          {Layout::NumberPage::codes[4], textBack, "243", 25},
          {Layout::NumberPage::codes[5], textBack, "771", 25},
          {Layout::NumberPage::codes[6], textBack, "659", 25},
          {Layout::NumberPage::codes[7], textBack, "760", 25}},
         {}},
        {"history.ggr",
         700,
         455,
         {{H::confirmButton, kOkBitmap},
          {H::backButton, kBackBitmap},
          {{H::drawNumberLabel.x, H::drawNumberLabel.y, 138, 21}, kDrawNumberLabelBitmap}},
         {{H::list, QColor(255, 255, 255), "", 12},
          {H::issueEdit, nameBack, "09162", 18},
          {H::drawNumberEdit, QColor(255, 255, 255), "", 14}},
         {}},
        {"player.ggr",
         700,
         455,
         {{P::saveButton, kSaveLightBitmap},
          {P::backButton, kBackLightBitmap},
          {P::applyCodeButton, kSaveLightBitmap},
          {P::fortuneHelpButton, kFortuneHelpBitmap},
          {P::maleButton, kOptionOnBitmap},
          {P::femaleButton, kOptionOffBitmap}},
         {{P::nameEdit, QColor(255, 255, 255), "新玩家", 14},
          {{P::zodiacCombo.x, P::zodiacCombo.y, P::zodiacCombo.w, 26}, QColor(240, 240, 240), "龙", 14},
          {P::fortuneCodeEdit, QColor(220, 220, 220), "8A012345654321", 14},
          {P::startYearEdit, QColor(104, 148, 160), "2008", 12},
          {P::nextYearEdit, QColor(104, 148, 160), "2009", 12}},
         {}},
        {"inputdate.ggr",
         350,
         230,
         {{D::okButton, kOkBitmap}, {D::cancelButton, kCancelBitmap}, {D::helpButton, kPredictHelpBitmap}},
         {{D::datePicker, QColor(255, 255, 255), "2009/6/18", 14},
          {D::issueEdit, QColor(255, 255, 255), "09162", 14}},
         {}},
        {"date_error.ggr", 350, 230, {{Layout::NoticeDialog::okButton, kOkBitmap}}, {}, {}},
        {"about_save.ggr",
         350,
         230,
         {{Layout::NoticeDialog::saveButton, kSaveLightBitmap},
          {Layout::NoticeDialog::cancelButton, kCancelLightBitmap}},
         {},
         {}},
        {"about.ggr",
         350,
         230,
         {{Layout::AboutDialog::link, kAboutLinkBitmap}, {Layout::AboutDialog::credit, kAboutCreditBitmap}},
         {},
         {}},
        {"statistics.ggr",
         Layout::StatisticsDialog::client.w,
         Layout::StatisticsDialog::client.h,
         {{Layout::StatisticsDialog::okButton, kOkBitmap}},
         {},
         {}},
    };
}

QImage LoadBmp(const QString& path) {
    QImage image;
    image.load(path, "BMP");
    return image;
}
}  // namespace

CContactSheet::CContactSheet(QString programFolder, QString resourceFolder)
    : programDir(std::move(programFolder)), resourceDir(std::move(resourceFolder)) {}

QImage CContactSheet::Program(const QString& name) const {
    return LoadBmp(programDir + QLatin1Char('/') + name);
}

QImage CContactSheet::Bitmap(unsigned id) const {
    return LoadBmp(QStringLiteral("%1/bitmaps/%2.bmp").arg(resourceDir).arg(id));
}

QImage CContactSheet::Window(int index) const {
    const Scene scene = Scenes()[static_cast<std::size_t>(index)];
    QImage image(scene.width, scene.height, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.drawImage(0, 0, Program(QString::fromUtf8(scene.background)));
    if (index == 0) {
        p.drawImage(0, 0, Program(QStringLiteral("left.ggr")));
    }
    for (const Picture& picture : scene.pictures) {
        p.drawImage(QPoint(picture.rect.x, picture.rect.y), Program(QString::fromUtf8(picture.file)),
                    QRect(0, 0, picture.rect.w, picture.rect.h));
    }
    for (const Box& box : scene.boxes) {
        const QRect rect(box.rect.x, box.rect.y, box.rect.w, box.rect.h);
        if (box.back.alpha() > 0) {
            p.fillRect(rect, box.back);
        }
        p.setFont(box.pixels == 25 ? CArtPainter::Hei(25, true)
                                   : CArtPainter::Song(box.pixels, box.pixels >= 16));
        p.setPen(box.back.alpha() > 0 ? Palette::ink : QColor(18, 18, 145));
        const int flags =
            box.rect.h > 40 ? int(Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap) : int(Qt::AlignCenter);
        p.drawText(rect.adjusted(3, 2, -3, -2), flags, QString::fromUtf8(box.text));
    }
    for (const Face& face : scene.faces) {
        QImage bitmap = Bitmap(face.id);
        const QColor key = bitmap.pixelColor(0, 0);
        QImage masked = bitmap.convertToFormat(QImage::Format_ARGB32);
        // Pictures shown by plain statics have no key; buttons let the page show through their key pixels.
        const bool keyed = face.id != kPanelSealBitmap && face.id != kDrawNumberLabelBitmap &&
                           face.id != kAboutLinkBitmap && face.id != kAboutCreditBitmap;
        for (int y = 0; keyed && y < masked.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
            for (int x = 0; x < masked.width(); ++x) {
                if ((line[x] & 0xFFFFFF) == (key.rgb() & 0xFFFFFF)) {
                    line[x] = 0;
                }
            }
        }
        p.drawImage(QPoint(face.rect.x + (face.rect.w - bitmap.width()) / 2,
                           face.rect.y + (face.rect.h - bitmap.height()) / 2),
                    masked);
    }
    return image;
}

int CContactSheet::Heading(QPainter& painter, int y, const QString& text) const {
    painter.setFont(CArtPainter::Kai(26));
    painter.setPen(Palette::ink);
    painter.drawText(QRect(margin, y, sheetWidth - 2 * margin, 40), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter.fillRect(QRect(margin, y + 42, sheetWidth - 2 * margin, 1), QColor(104, 148, 160));
    return y + 54;
}

int CContactSheet::Windows(QPainter& painter, int y) const {
    const int count = static_cast<int>(Scenes().size());
    int x = margin;
    int rowHeight = 0;
    for (int i = 0; i < count; ++i) {
        const QImage window = Window(i);
        if (x + window.width() > sheetWidth - margin) {
            x = margin;
            y += rowHeight + 20;
            rowHeight = 0;
        }
        painter.setFont(CArtPainter::Song(13));
        painter.setPen(Palette::inkSoft);
        painter.drawText(QRect(x, y, window.width(), 20), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromUtf8(Scenes()[static_cast<std::size_t>(i)].background));
        painter.drawImage(x, y + 22, window);
        painter.setPen(QColor(60, 90, 100));
        painter.drawRect(QRect(x - 1, y + 21, window.width() + 1, window.height() + 1));
        rowHeight = std::max(rowHeight, window.height() + 22);
        x += window.width() + 20;
    }
    return y + rowHeight + 30;
}

int CContactSheet::Strip(QPainter& painter, int y) const {
    painter.setFont(CArtPainter::Song(13));
    painter.setPen(Palette::inkSoft);
    int x = margin;
    for (const char* name : {"select.mid", "history.mid", "player.mid", "answer.mid"}) {
        painter.drawText(QRect(x, y, 342, 20), Qt::AlignLeft, QString::fromUtf8(name));
        painter.drawImage(x, y + 22, Program(QString::fromUtf8(name)));
        x += 342 + 20;
    }
    y += 280 + 22 + 24;
    // What the windows show of each frame: 190 x 190 of the start frames, 225 x 225 of the make frames.
    for (int frame = 1; frame <= 18; ++frame) {
        const QImage image = Program(QStringLiteral("%1.bmp").arg(frame)).copy(0, 0, 190, 190);
        const int column = (frame - 1) % 9;
        const int row = (frame - 1) / 9;
        painter.drawImage(QRect(margin + column * 158, y + row * 158, 150, 150), image);
        painter.drawText(QRect(margin + column * 158, y + row * 158 + 136, 150, 14), Qt::AlignRight,
                         QStringLiteral("%1.bmp").arg(frame));
    }
    y += 2 * 158 + 10;
    for (int frame = 0; frame <= 5; ++frame) {
        const QImage image = Program(QStringLiteral("taiji_%1.bmp").arg(frame)).copy(0, 0, 225, 225);
        painter.drawImage(QRect(margin + frame * 200, y, 190, 190), image);
        painter.drawText(QRect(margin + frame * 200, y + 192, 190, 16), Qt::AlignRight,
                         QStringLiteral("taiji_%1.bmp").arg(frame));
    }
    y += 190 + 30;
    for (int t = 1; t <= 8; ++t) {
        const QString name = CMotifPainter::TrigramName(t) + QStringLiteral(".bmp");
        painter.drawImage(margin + (t - 1) * 150, y, Program(name));
        painter.drawText(QRect(margin + (t - 1) * 150, y + 72, 130, 16), Qt::AlignLeft, name);
    }
    return y + 100;
}

int CContactSheet::Faces(QPainter& painter, int y) const {
    std::vector<unsigned> ids;
    for (const FaceSpec& face : kFaces) {
        ids.push_back(face.id);
    }
    for (unsigned id : {kDrawNumberLabelBitmap, kPanelSealBitmap, kChartMarkerBitmap, kAboutLinkBitmap,
                        kAboutCreditBitmap}) {
        ids.push_back(id);
    }
    int x = margin;
    int rowHeight = 0;
    painter.setFont(CArtPainter::Song(12));
    for (unsigned id : ids) {
        const QImage face = Bitmap(id);
        const int cell = std::max(face.width(), 48) + 16;
        if (x + cell > sheetWidth - margin) {
            x = margin;
            y += rowHeight + 24;
            rowHeight = 0;
        }
        painter.drawImage(x, y, face);
        painter.setPen(Palette::inkSoft);
        painter.drawText(QRect(x, y + face.height() + 2, cell, 16), Qt::AlignLeft, QString::number(id));
        rowHeight = std::max(rowHeight, face.height() + 18);
        x += cell;
    }
    y += rowHeight + 24;
    QImage icon;
    icon.load(resourceDir + QStringLiteral("/icons/128.bmp"), "BMP");
    painter.drawImage(margin, y, icon);
    painter.drawText(QRect(margin, y + 130, 128, 16), Qt::AlignLeft, QStringLiteral("icon 128"));
    return y + 160;
}

QImage CContactSheet::Compose() const {
    QImage sheet(sheetWidth, 5000, QImage::Format_RGB32);
    sheet.fill(QColor(236, 242, 242));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    int y = Heading(painter, margin, QStringLiteral("Quintara V4.3 — 窗口"));
    y = Windows(painter, y);
    y = Heading(painter, y, QStringLiteral("提示图、动画、卦象"));
    y = Strip(painter, y);
    y = Heading(painter, y, QStringLiteral("按钮与图片资源"));
    y = Faces(painter, y);
    painter.end();
    return sheet.copy(0, 0, sheetWidth, y);
}

bool CContactSheet::Write(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QImageWriter writer(&file, "png");
    return writer.write(Compose()) && file.commit();
}
