// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/CPlayerPage.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <algorithm>
#include <tuple>
#include <utility>

#include "controls/ImageFile.h"
#include "pages/DialogFont.h"
#include "pages/PageLayout.h"
#include "res/ResourceIds.h"
#include "shell/FaceKeys.h"
#include "shell/MessageBox.h"
#include "shell/StoreMessages.h"
#include "store/CPredictStore.h"

namespace {

const QString kMale = QStringLiteral("先生");
const QString kFemale = QStringLiteral("小姐");

void SetUpLabelBox(CColorEdit& box, const Layout::Rect& rect, const QString& accessibleName) {
    box.SetEditColours(104, 148, 160, 220, 220, 220);
    // Digits only as the player types them, but all of them: a cap would keep 2015 of a mistyped 20155 and
    // show it as if it had been typed. A number too big for an int gets the integer prompt when read. The
    // page itself may show a negative month from an odd code.
    box.SetDigitsOnly(CColorEdit::kAnyLength);
    box.SetCentred(true);
    box.SetBorder(false);
    box.SetFont(DialogFont());
    Place(box, rect);
    box.SetAccessibleName(accessibleName);
}

// The chart's labels have no caption of their own: they are named by what they show.
QString MonthBoxName(std::size_t index) {
    static const QString numerals[] = {QStringLiteral("一"), QStringLiteral("二"),   QStringLiteral("三"),
                                       QStringLiteral("四"), QStringLiteral("五"),   QStringLiteral("六"),
                                       QStringLiteral("七"), QStringLiteral("八"),   QStringLiteral("九"),
                                       QStringLiteral("十"), QStringLiteral("十一"), QStringLiteral("十二")};
    return QStringLiteral("第%1个月").arg(numerals[index]);
}

}  // namespace

const MessageText* CPlayerPage::FortuneCodeRefusal(FortuneCodeFault fault) {
    switch (fault) {
        case FortuneCodeFault::none:
            return nullptr;
        case FortuneCodeFault::wrongLength:
            return &Messages::kFortuneCodeWrong;
        case FortuneCodeFault::badMonth:
            return &Messages::kFortuneMonthWrong;
        case FortuneCodeFault::badLevel:
            return &Messages::kNoFortuneChart;
    }
    return nullptr;
}

const std::array<QString, 12> CPlayerPage::kAnimals = {
    QStringLiteral("鼠"), QStringLiteral("牛"), QStringLiteral("虎"), QStringLiteral("兔"),
    QStringLiteral("龙"), QStringLiteral("蛇"), QStringLiteral("马"), QStringLiteral("羊"),
    QStringLiteral("猴"), QStringLiteral("鸡"), QStringLiteral("狗"), QStringLiteral("猪")};

CPlayerPage::CPlayerPage(CPredictStore& pageStore, HelpOpener helpOpener)
    : saveButton(this),
      backButton(this),
      maleButton(this),
      femaleButton(this),
      applyCodeButton(this),
      fortuneHelpButton(this),
      nameEdit(this),
      zodiacCombo(this),
      fortuneCodeEdit(CColorEdit::SingleLine, this),
      startYearEdit(CColorEdit::SingleLine, this),
      nextYearEdit(CColorEdit::SingleLine, this),
      store(pageStore),
      openHelp(std::move(helpOpener)) {
    for (CColorEdit*& box : monthEdits) {
        box = new CColorEdit(CColorEdit::SingleLine, this);
    }
    // Tab follows the form from top to bottom: the profile and its buttons, the code and its buttons, then
    // the chart's labels left to right with the month boxes between the two years.
    std::vector<QWidget*> tabOrder = {&nameEdit,          &maleButton,   &femaleButton,    &zodiacCombo,
                                      &saveButton,        &backButton,   &fortuneCodeEdit, &applyCodeButton,
                                      &fortuneHelpButton, &startYearEdit};
    tabOrder.insert(tabOrder.end(), monthEdits.begin(), monthEdits.end());
    tabOrder.push_back(&nextYearEdit);
    SetTabChain(tabOrder);
    SetBackgroundFile(QStringLiteral("player.ggr"), Layout::PlayerPage::client.w,
                      Layout::PlayerPage::client.h);
    connect(&maleButton, &QAbstractButton::clicked, this, &CPlayerPage::OnMale);
    connect(&femaleButton, &QAbstractButton::clicked, this, &CPlayerPage::OnFemale);
    connect(&saveButton, &QAbstractButton::clicked, this, &CPlayerPage::OnSave);
    connect(&applyCodeButton, &QAbstractButton::clicked, this, &CPlayerPage::OnApplyCode);
    // Enter in a box presses the button that saves what the box holds.
    connect(&nameEdit, &QLineEdit::returnPressed, &saveButton, &QAbstractButton::click);
    connect(fortuneCodeEdit.lineEdit(), &QLineEdit::returnPressed, &applyCodeButton, &QAbstractButton::click);
    connect(&fortuneHelpButton, &QAbstractButton::clicked, this, [this] { openHelp(2); });
    connect(&backButton, &QAbstractButton::clicked, this,
            [this] { PostNavigate(NavStage::Player, NavCode::Home); });
}

bool CPlayerPage::OnInitDialog() {
    CPageDialog::OnInitDialog();
    Place(*this, Layout::PlayerPage::client);
    SetUpButtons();
    SetUpEdits();

    const CPredictStore& app = store;
    playerName = QString::fromStdString(app.Player().name);
    playerSex = QString::fromStdString(app.Player().sex);
    playerShuxiang = QString::fromStdString(app.Player().shuxiang);
    fortuneCodeText = QString::fromStdString(app.Player().yunqi);

    SetSexFaces(playerSex == kMale);
    // A stored animal that is none of the twelve leaves the list without selection.
    const auto animal = std::find(kAnimals.begin(), kAnimals.end(), playerShuxiang);
    shuxiangIndex = animal == kAnimals.end() ? -1 : static_cast<int>(animal - kAnimals.begin());

    UpdateData(false);
    ComputeFortuneChart();
    // The name is there to be replaced: typing into the box replaces "新玩家" rather than adding to it.
    nameEdit.selectAll();
    return true;
}

void CPlayerPage::SetUpButtons() {
    namespace L = Layout::PlayerPage;
    SetUpSkinButton(saveButton, L::saveButton, kSaveLightHotBitmap, kSaveLightBitmap, kWhiteKey,
                    QStringLiteral("保存资料"));
    SetUpSkinButton(backButton, L::backButton, kBackLightHotBitmap, kBackLightBitmap, kWhiteKey,
                    QStringLiteral("返回"));
    // The sex squares get their faces from the profile, afterwards. To a screen reader they are the two
    // options, named by the words beside them.
    for (auto [button, rect, name] : {std::tuple{&maleButton, L::maleButton, kMale},
                                      std::tuple{&femaleButton, L::femaleButton, kFemale}}) {
        button->SetTransparentBackground(true);
        button->SetFlatBorder(false, true);
        Place(*button, rect);
        button->SetRole(CSkinButton::ButtonRole::Option);
        button->setAccessibleName(name);
    }
    SetUpSkinButton(applyCodeButton, L::applyCodeButton, kSaveLightHotBitmap, kSaveLightBitmap, kWhiteKey,
                    QStringLiteral("保存财运代码"));
    SetUpSkinButton(fortuneHelpButton, L::fortuneHelpButton, kFortuneHelpHotBitmap, kFortuneHelpBitmap,
                    kRedKey, QStringLiteral("关于财运代码"));
}

void CPlayerPage::SetUpEdits() {
    namespace L = Layout::PlayerPage;
    nameEdit.setFont(DialogFont());
    Place(nameEdit, L::nameEdit);
    nameEdit.setAccessibleName(QStringLiteral("姓名"));

    zodiacCombo.setFont(DialogFont());
    for (const QString& animal : kAnimals) {
        zodiacCombo.addItem(animal);
    }
    zodiacCombo.setMaxVisibleItems(static_cast<int>(kAnimals.size()));
    zodiacCombo.setAccessibleName(QStringLiteral("生肖"));
    // The layout's rectangle includes the dropped list; the closed box is one line high.
    const Layout::Rect combo = L::zodiacCombo;
    zodiacCombo.setGeometry(combo.x, combo.y, combo.w, L::nameEdit.h + 2);

    fortuneCodeEdit.SetEditColours(220, 220, 220, 40, 80, 80);
    fortuneCodeEdit.SetBorder(false);
    fortuneCodeEdit.SetFont(DialogFont());
    Place(fortuneCodeEdit, L::fortuneCodeEdit);
    fortuneCodeEdit.SetAccessibleName(QStringLiteral("财运代码"));

    SetUpLabelBox(startYearEdit, L::startYearEdit, QStringLiteral("起始年份"));
    for (std::size_t i = 0; i < monthEdits.size(); ++i) {
        SetUpLabelBox(*monthEdits[i], L::monthEdits[i], MonthBoxName(i));
    }
    SetUpLabelBox(nextYearEdit, L::nextYearEdit, QStringLiteral("次年年份"));
}

// The chosen option shows the filled square, the other one the empty square.
void CPlayerPage::SetSexFaces(bool male) {
    maleButton.SetFaceBitmaps(male ? kOptionOnBitmap : kOptionOffBitmap, kWhiteKey, 0, kWhiteKey);
    femaleButton.SetFaceBitmaps(male ? kOptionOffBitmap : kOptionOnBitmap, kWhiteKey, 0, kWhiteKey);
    maleButton.SetOptionChosen(male);
    femaleButton.SetOptionChosen(!male);
}

// A profile without a sex has neither option chosen; the squares then change nothing.
void CPlayerPage::OnMale() {
    if (playerSex == kFemale) {
        SetSexFaces(true);
        playerSex = kMale;
    }
}

void CPlayerPage::OnFemale() {
    if (playerSex == kMale) {
        SetSexFaces(false);
        playerSex = kFemale;
    }
}

// Saves name, sex and animal only, then lets the main window relabel itself whether or not the save worked:
// a failed save is said, and memory holds the new profile for the rest of the run.
void CPlayerPage::OnSave() {
    UpdateData(true);
    if (shuxiangIndex >= 0 && shuxiangIndex < static_cast<int>(kAnimals.size())) {
        playerShuxiang = kAnimals[static_cast<std::size_t>(shuxiangIndex)];
    }
    const SaveOutcome outcome =
        store.SavePlayer(playerName.toStdString(), playerSex.toStdString(), playerShuxiang.toStdString());
    if (const MessageText* said = MessageFor(outcome)) {
        MessageBox(*said, this);
    }
    PostNavigate(NavStage::Player, NavCode::ProfileSaved);
}

// Only a code that can be drawn is saved: one saved with a bad month or level would say so on every visit.
void CPlayerPage::OnApplyCode() {
    UpdateData(true);
    if (const MessageText* refusal =
            FortuneCodeRefusal(FindFortuneCodeFault(FortuneCodeBytes(fortuneCodeText)))) {
        MessageBox(*refusal, this);
        return;
    }
    if (const MessageText* said = MessageFor(store.SaveFortuneCode(fortuneCodeText.toStdString()))) {
        MessageBox(*said, this);
    }
    ComputeFortuneChart();
    update();
}

void CPlayerPage::paintEvent(QPaintEvent* event) {
    CPageDialog::paintEvent(event);
    QPainter painter(this);
    // The markers are copied whole, centred on their points; the line runs over them.
    const QImage marker = ResourceBitmap(kChartMarkerBitmap);
    const int half = Layout::PlayerPage::markerSize / 2;
    std::array<QPoint, kFortuneMonths> points;
    for (std::size_t i = 0; i < chartPoints.size(); ++i) {
        points[i] = QPoint(chartPoints[i].x, chartPoints[i].y);
        painter.drawImage(points[i] - QPoint(half, half), marker);
    }
    painter.setPen(QPen(Qt::white, 1));
    painter.drawPolyline(points.data(), static_cast<int>(points.size()));
}
