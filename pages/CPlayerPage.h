// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player page: the one player's name, sex and zodiac animal, and the personal fortune code, from which
// the page draws a twelve-month fortune chart over its background: a marker per month joined by a white line.
// The profile and the code are saved by their own buttons, independently of each other.
#include <QComboBox>
#include <QFont>
#include <QLineEdit>
#include <QString>
#include <array>

#include "controls/CColorEdit.h"
#include "controls/CSkinButton.h"
#include "pages/FortuneCode.h"
#include "shell/CPageDialog.h"
#include "shell/OpenHelp.h"

class CPredictStore;
struct MessageText;

class CPlayerPage : public CPageDialog {
    Q_OBJECT

public:
    // Shows and saves the profile of pageStore, which must outlive the page; 关于财运代码 opens the fortune
    // code's help through helpOpener.
    CPlayerPage(CPredictStore& pageStore, HelpOpener helpOpener);

    // The twelve animals in the order of the zodiac list.
    static const std::array<QString, 12> kAnimals;

    // The code as the chart reads it: the bytes of its GBK encoding (a Chinese character counts two bytes).
    static std::string FortuneCodeBytes(const QString& code);
    // The words that refuse a code with fault; none for a code that can be saved.
    static const MessageText* FortuneCodeRefusal(FortuneCodeFault fault);

    CSkinButton saveButton;  // 保存 (profile)
    CSkinButton backButton;
    CSkinButton maleButton;         // 先生
    CSkinButton femaleButton;       // 小姐
    CSkinButton applyCodeButton;    // 保存 (fortune code)
    CSkinButton fortuneHelpButton;  // 关于财运代码
    QLineEdit nameEdit;
    QComboBox zodiacCombo;
    CColorEdit fortuneCodeEdit;
    CColorEdit startYearEdit;
    std::array<CColorEdit*, 12> monthEdits{};  // left to right, owned by the page
    CColorEdit nextYearEdit;

    QString playerName = QStringLiteral("新玩家");
    QString playerSex = QStringLiteral("先生");
    QString playerShuxiang = QStringLiteral("鼠");
    int shuxiangIndex = -1;
    QString fortuneCodeText;
    int startYear = 0;
    std::array<int, 12> monthLabels{};
    int nextYear = 0;
    std::array<int, 12> chartValues{};
    std::array<FortuneChartPoint, 12> chartPoints{};
    bool codeValid = false;

    // Decodes fortuneCodeText into the labels and the chart, shows the labels and reports each bad level.
    void ComputeFortuneChart();

    QWidget* FirstControl() override { return &nameEdit; }

protected:
    bool OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;

private:
    void SetUpButtons();
    void SetUpEdits();
    void SetSexFaces(bool male);
    // Moves the members to the controls (false) or back (true). Reading stops at the first label box that
    // holds no integer, after the prompt; the members after it keep their values. Returns false then.
    bool UpdateData(bool saveAndValidate);
    bool ExchangeInteger(CColorEdit& edit, int& value, bool saveAndValidate);

    void OnMale();
    void OnFemale();
    void OnSave();
    void OnApplyCode();

    CPredictStore& store;
    HelpOpener openHelp;
};
