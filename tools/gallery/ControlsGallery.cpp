// SPDX-License-Identifier: GPL-3.0-or-later
// Draws one page with every control of the program in its usual states and saves it as a PNG, for the README
// and for judging the controls without running the program. Usage: controls_gallery <output.png>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QTemporaryDir>

#include "controls/CColorEdit.h"
#include "controls/CColorListCtrl.h"
#include "controls/CHoverNotifyButton.h"
#include "controls/CHyperLinkCtrl.h"
#include "controls/CPictureStatic.h"
#include "controls/CSkinButton.h"
#include "controls/CjkFonts.h"
#include "controls/ProgramFiles.h"
#include "res/ResourceIds.h"
#include "res/Resources.h"
#include "shell/FaceKeys.h"
#include "tools/OffscreenPlatform.h"

namespace {

QFont Font(const char* face, int pixels, bool black) {
    QFont font(QString::fromUtf8(face));
    font.setPixelSize(pixels);
    font.setWeight(black ? QFont::Black : QFont::Normal);
    return font;
}

void Caption(QWidget* parent, int x, int y, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setFont(Font("黑体", 13, false));
    label->setStyleSheet(QStringLiteral("color: rgb(0, 40, 40);"));
    label->move(x, y);
}

void Fill(QWidget* widget, COLORREF colour) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, ToQColor(colour));
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

CSkinButton* FaceButton(QWidget* parent, QRect rect, unsigned hot, unsigned normal, COLORREF key) {
    auto* button = new CSkinButton(parent);
    button->SetTransparentBackground(true);
    button->SetFlatBorder(false, true);
    button->setGeometry(rect);
    button->SetFaceBitmaps(hot, key, normal, key);
    return button;
}

// The state a pointer resting over the button would give it.
void Hover(QWidget* button) {
    const QPointF inside(5, 5);
    QMouseEvent move(QEvent::MouseMove, inside, inside, button->mapToGlobal(inside), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &move);
}

void AddButtons(QWidget* page) {
    Caption(page, 20, 12, QStringLiteral("CSkinButton: at rest, hovered, held; a label"));
    FaceButton(page, {20, 36, 71, 25}, kOkHotBitmap, kOkBitmap, kCeladonKey);
    Hover(FaceButton(page, {110, 36, 71, 25}, kOkHotBitmap, kOkBitmap, kCeladonKey));
    FaceButton(page, {200, 36, 71, 25}, kOkHotBitmap, kOkBitmap, kCeladonKey)->setDown(true);
    auto* label = new CSkinButton(page);
    label->SetTransparentBackground(true);
    label->SetFlatBorder(false, true);
    label->SetStateColour(CSkinButton::kTextNormal, RGB(40, 60, 100), true);
    label->setFont(Font("宋体", 18, true));
    label->setText(QStringLiteral("新玩家    龙"));
    label->setGeometry(290, 36, 150, 25);

    Caption(page, 470, 12, QStringLiteral("CHoverNotifyButton on the panel"));
    auto* panel = new QWidget(page);
    Fill(panel, kTealKey);
    panel->setGeometry(470, 32, 210, 92);
    auto* predict = new CHoverNotifyButton(panel);
    predict->SetTransparentBackground(true);
    predict->SetFlatBorder(false, true);
    predict->setGeometry(10, 8, 131, 35);
    predict->SetFaceBitmaps(kNavPredictHotBitmap, kTealKey, kNavPredictBitmap, kTealKey);
    Hover(predict);
    FaceButton(panel, {10, 50, 131, 35}, kNavRecordsHotBitmap, kNavRecordsBitmap, kTealKey);
}

void AddEditsAndPictures(QWidget* page) {
    Caption(page, 20, 80, QStringLiteral("CColorEdit: one line, several lines"));
    auto* issue = new CColorEdit(CColorEdit::SingleLine, page);
    issue->setGeometry(20, 104, 120, 28);
    issue->SetBorder(false);
    issue->SetCentred(true);
    issue->SetFont(Font("黑体", 20, true));
    issue->SetEditColours(kCeladonKey, RGB(0, 40, 40));
    issue->SetText(QStringLiteral("2009168"));
    auto* text = new CColorEdit(CColorEdit::MultiLine, page);
    text->setGeometry(160, 104, 280, 70);
    text->SetBorder(false);
    text->SetVerticalScroll(false);
    text->SetFont(Font("宋体", 15, false));
    text->SetEditColours(173, 221, 232, 0, 40, 40);
    text->SetText(QStringLiteral("乾：元亨利贞。\n初九：潜龙勿用。"));

    Caption(page, 20, 188, QStringLiteral("CPictureStatic"));
    auto* picture = new CPictureStatic(page);
    picture->setGeometry(20, 212, 130, 70);
    picture->SetPictureFile(QStringLiteral("乾.bmp"), 130, 70, false);
    auto* framed = new CPictureStatic(page);
    framed->setGeometry(160, 212, 130, 70);
    framed->SetPictureFile(QStringLiteral("坎.bmp"), 130, 70, true);

    Caption(page, 310, 188, QStringLiteral("CHyperLinkCtrl"));
    auto* link = new CHyperLinkCtrl(page);
    link->setPixmap(QPixmap(QStringLiteral(":/bitmaps/%1.bmp").arg(kAboutLinkBitmap)));
    link->setGeometry(310, 212, 206, 18);
    link->SetLinkTarget(QStringLiteral("file:///usr/share/morvint/help.html"));
}

void AddList(QWidget* page) {
    Caption(page, 20, 296, QStringLiteral("CColorListCtrl: cell colours, a selected row"));
    auto* list = new CColorListCtrl(page);
    list->setGeometry(20, 320, 660, 110);
    list->setFont(Font("宋体", 14, false));
    list->DefineColumns(
        QStringLiteral("序号,50;日期,100;期号,80;号码1,70;号码2,70;号码3,70;开奖,80;结果,80"));
    list->AppendRow({"1", "2009-06-18", "2009160", "123", "456", "789", "456", "中"});
    list->AppendRow({"2", "2009-06-19", "2009161", "012", "345", "678", "999", "错误"});
    list->AppendRow({"3", "2009-06-20", "2009162", "111", "222", "333", "", ""});
    list->SetCellColours(0, 4, RGB(255, 255, 255), RGB(190, 40, 40));
    list->SetCellColours(0, 7, RGB(190, 40, 40), CColorListCtrl::kDefaultColour);
    list->SetCellColours(1, 7, RGB(0, 40, 40), RGB(173, 221, 232));
    list->selectRow(2);
}

}  // namespace

int main(int argc, char** argv) {
    const QTemporaryDir runtimeDir;
    UseOffscreenPlatform(runtimeDir);
    QApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    InstallCjkFontSubstitutions();
    InitResources();
    // The pictures are read from the program folder, as the program reads them.
    SetProgramFilesFolder(QStringLiteral(MORVINT_PROGRAM_DIR));

    QWidget page;
    page.resize(700, 445);
    Fill(&page, kCeladonKey);
    AddButtons(&page);
    AddEditsAndPictures(&page);
    AddList(&page);
    page.show();
    return page.grab().save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
