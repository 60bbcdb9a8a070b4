// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/CExplainPage.h"

#include <initializer_list>
#include <utility>

#include "pages/PageLayout.h"
#include "pages/ReadingDisplay.h"
#include "res/ResourceIds.h"
#include "shell/FaceKeys.h"

namespace {

// The page's template font, 宋体 12 pt, for the labels and the short boxes.
constexpr int kTextPixels = 16;
// The classical texts need up to three lines in their boxes: 12 pixels (9 pt) is the largest size at which
// every one of them fits without scrolling. The summary needs six lines when all three judgements wrap, and
// six 12-pixel lines overrun its 108 pixels: it takes 11.
constexpr int kLongTextPixels = 12;
constexpr int kSummaryPixels = 11;
// The name boxes are one 16-pixel line high: no room for more than a pixel around it.
constexpr int kNameMargin = 1;
constexpr int kTextMargin = 2;

}  // namespace

CExplainPage::CExplainPage(const PredictionState& prediction)
    : sexagenaryLabel(this),
      calendarLabel(this),
      mainNameEdit(CColorEdit::MultiLine, this),
      mutualNameEdit(CColorEdit::MultiLine, this),
      changedNameEdit(CColorEdit::MultiLine, this),
      movingLineEdit(CColorEdit::MultiLine, this),
      mainJudgementEdit(CColorEdit::MultiLine, this),
      mutualJudgementEdit(CColorEdit::MultiLine, this),
      changedJudgementEdit(CColorEdit::MultiLine, this),
      movingLineVerseEdit(CColorEdit::MultiLine, this),
      summaryEdit(CColorEdit::MultiLine, this),
      mainUpper(this),
      mainLower(this),
      mutualUpper(this),
      mutualLower(this),
      changedUpper(this),
      changedLower(this),
      nextButton(this),
      backButton(this),
      state(prediction) {
    SetBackgroundFile(QStringLiteral("gua_exp.ggr"), Layout::ExplainPage::client.w,
                      Layout::ExplainPage::client.h);
    setFont(TemplateFont(kTextPixels));
    connect(&nextButton, &QAbstractButton::clicked, this,
            [this] { PostNavigate(NavStage::Explain, NavCode::ToNumber); });
    connect(&backButton, &QAbstractButton::clicked, this,
            [this] { PostNavigate(NavStage::Explain, NavCode::Home); });
}

bool CExplainPage::OnInitDialog() {
    CPageDialog::OnInitDialog();
    PlaceControls();
    SetUpEdits();
    FillTexts();
    ShowTrigramPictures(mainUpper, mainLower, state.mainGua.get());
    ShowTrigramPictures(mutualUpper, mutualLower, state.mutualGua.get());
    ShowTrigramPictures(changedUpper, changedLower, state.changedGua.get());
    UpdateData(false);
    return true;
}

void CExplainPage::PlaceControls() {
    namespace E = Layout::ExplainPage;
    Place(*this, E::client);
    ShowDateLabels(sexagenaryLabel, E::sexagenaryLabel, calendarLabel, E::calendarLabel, state);
    Place(mainUpper, E::mainUpper);
    Place(mainLower, E::mainLower);
    Place(mutualUpper, E::mutualUpper);
    Place(mutualLower, E::mutualLower);
    Place(changedUpper, E::changedUpper);
    Place(changedLower, E::changedLower);
    SetUpSkinButton(nextButton, E::nextButton, kArrowRightHotBitmap, kArrowRightBitmap, kDeepKey,
                    QStringLiteral("下一步：预测号码"));
    SetUpSkinButton(backButton, E::backButton, kBackHotBitmap, kBackBitmap, kCeladonKey,
                    QStringLiteral("返回"));
    Place(mainNameEdit, E::mainName);
    Place(mutualNameEdit, E::mutualName);
    Place(changedNameEdit, E::changedName);
    Place(movingLineEdit, E::movingLineWord);
    Place(mainJudgementEdit, E::mainJudgement);
    Place(mutualJudgementEdit, E::mutualJudgement);
    Place(changedJudgementEdit, E::changedJudgement);
    Place(movingLineVerseEdit, E::movingLineVerse);
    Place(summaryEdit, E::judgementSummary);
}

void CExplainPage::SetUpEdits() {
    const std::initializer_list<CColorEdit*> shortBoxes = {&mainNameEdit, &mutualNameEdit, &changedNameEdit,
                                                           &movingLineEdit};
    const std::initializer_list<CColorEdit*> longBoxes = {
        &mainJudgementEdit, &mutualJudgementEdit, &changedJudgementEdit, &movingLineVerseEdit, &summaryEdit};
    for (CColorEdit* edit : shortBoxes) {
        edit->SetEditColours(kCeladonKey, RGB(0, 40, 40));
        SetTextLayout(*edit, kTextPixels, kNameMargin);
        edit->SetVerticalScroll(false);
        // The background draws the sunken frame around every box.
        edit->SetBorder(false);
    }
    for (CColorEdit* edit : {&mainNameEdit, &mutualNameEdit, &changedNameEdit}) {
        edit->SetCentred(true);
    }
    for (CColorEdit* edit : {&mainJudgementEdit, &mutualJudgementEdit, &changedJudgementEdit, &summaryEdit}) {
        edit->SetEditColours(173, 221, 232, 0, 40, 40);
    }
    movingLineVerseEdit.SetEditColours(164, 210, 221, 0, 40, 40);
    for (CColorEdit* edit : longBoxes) {
        SetTextLayout(*edit, edit == &summaryEdit ? kSummaryPixels : kLongTextPixels, kTextMargin);
        edit->SetBorder(false);
        // Should a text ever outgrow its box it can still be read: a bar shows then, and only then.
        edit->SetVerticalScroll(true);
    }
    // A screen reader names each box by its caption on the background.
    const std::pair<CColorEdit*, const char*> captions[] = {{&mainNameEdit, "主卦"},
                                                            {&mutualNameEdit, "互卦"},
                                                            {&changedNameEdit, "变卦"},
                                                            {&movingLineEdit, "动爻"},
                                                            {&mainJudgementEdit, "主卦卦辞"},
                                                            {&mutualJudgementEdit, "互卦卦辞"},
                                                            {&changedJudgementEdit, "变卦卦辞"},
                                                            {&movingLineVerseEdit, "爻辞"},
                                                            {&summaryEdit, "体用断语"}};
    for (const auto& [edit, caption] : captions) {
        edit->SetAccessibleName(QString::fromUtf8(caption));
    }
}

void CExplainPage::FillTexts() {
    const CGuaReading* main = state.mainGua.get();
    const CGuaReading* mutual = state.mutualGua.get();
    const CGuaReading* changed = state.changedGua.get();
    mainName = ReadingText(main, &CGuaReading::hexagramName);
    mainJudgement = ReadingText(main, &CGuaReading::HexagramJudgement);
    movingLineWord = main != nullptr ? MovingLineWord(main->movingLine) : QString();
    movingLineVerse = ReadingText(main, &CGuaReading::MovingLineText);
    mutualName = ReadingText(mutual, &CGuaReading::hexagramName);
    mutualJudgement = ReadingText(mutual, &CGuaReading::HexagramJudgement);
    changedName = ReadingText(changed, &CGuaReading::hexagramName);
    changedJudgement = ReadingText(changed, &CGuaReading::HexagramJudgement);
    judgementSummary = QStringLiteral("主卦： ") + ReadingText(main, &CGuaReading::judgementText) +
                       QStringLiteral("\r\n互卦： ") + ReadingText(mutual, &CGuaReading::judgementText) +
                       QStringLiteral("\r\n变卦： ") + ReadingText(changed, &CGuaReading::judgementText);
}

void CExplainPage::UpdateData(bool saveAndValidate) {
    struct Binding {
        QString* member;
        CColorEdit* edit;
    };
    const Binding bindings[] = {{&changedJudgement, &changedJudgementEdit},
                                {&mutualJudgement, &mutualJudgementEdit},
                                {&mainJudgement, &mainJudgementEdit},
                                {&movingLineVerse, &movingLineVerseEdit},
                                {&mainName, &mainNameEdit},
                                {&mutualName, &mutualNameEdit},
                                {&changedName, &changedNameEdit},
                                {&movingLineWord, &movingLineEdit},
                                {&judgementSummary, &summaryEdit}};
    for (const Binding& binding : bindings) {
        if (saveAndValidate) {
            // Line breaks come back as an edit control gives them: CR LF.
            *binding.member = binding.edit->Text().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        } else {
            binding.edit->SetText(*binding.member);
        }
    }
}
