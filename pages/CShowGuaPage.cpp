// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/CShowGuaPage.h"

#include "pages/PageLayout.h"
#include "pages/ReadingDisplay.h"
#include "res/ResourceIds.h"
#include "shell/FaceKeys.h"

namespace {

// The page's template font: 宋体 12 pt.
constexpr int kTextPixels = 16;
// One line of 16-pixel text in the 30-pixel boxes, a little below the middle where the eye expects it.
constexpr int kBoxMargin = 2;

}  // namespace

CShowGuaPage::CShowGuaPage(const PredictionState& prediction)
    : sexagenaryLabel(this),
      calendarLabel(this),
      mainNameEdit(CColorEdit::MultiLine, this),
      mutualNameEdit(CColorEdit::MultiLine, this),
      changedNameEdit(CColorEdit::MultiLine, this),
      movingLineEdit(CColorEdit::MultiLine, this),
      mainUpper(this),
      mainLower(this),
      mutualUpper(this),
      mutualLower(this),
      changedUpper(this),
      changedLower(this),
      nextButton(this),
      backButton(this),
      state(prediction) {
    SetBackgroundFile(QStringLiteral("get_gua.ggr"), Layout::ShowPage::client.w, Layout::ShowPage::client.h);
    setFont(TemplateFont(kTextPixels));
    connect(&nextButton, &QAbstractButton::clicked, this,
            [this] { PostNavigate(NavStage::Show, NavCode::ToExplain); });
    connect(&backButton, &QAbstractButton::clicked, this,
            [this] { PostNavigate(NavStage::Show, NavCode::Home); });
}

bool CShowGuaPage::OnInitDialog() {
    namespace S = Layout::ShowPage;
    CPageDialog::OnInitDialog();
    Place(*this, S::client);
    ShowDateLabels(sexagenaryLabel, S::sexagenaryLabel, calendarLabel, S::calendarLabel, state);

    Place(mainUpper, S::mainUpper);
    Place(mainLower, S::mainLower);
    Place(mutualUpper, S::mutualUpper);
    Place(mutualLower, S::mutualLower);
    Place(changedUpper, S::changedUpper);
    Place(changedLower, S::changedLower);
    SetUpSkinButton(nextButton, S::nextButton, kArrowRightHotBitmap, kArrowRightBitmap, kDeepKey,
                    QStringLiteral("卦辞详解"));
    SetUpSkinButton(backButton, S::backButton, kBackHotBitmap, kBackBitmap, kCeladonKey,
                    QStringLiteral("返回"));
    SetUpEdits();

    const CGuaReading* main = state.mainGua.get();
    mainName = ReadingText(main, &CGuaReading::hexagramName);
    mutualName = ReadingText(state.mutualGua.get(), &CGuaReading::hexagramName);
    changedName = ReadingText(state.changedGua.get(), &CGuaReading::hexagramName);
    movingLineWord = main != nullptr ? MovingLineWord(main->movingLine) : QString();
    UpdateData(false);

    ShowTrigramPictures(mainUpper, mainLower, main);
    ShowTrigramPictures(mutualUpper, mutualLower, state.mutualGua.get());
    ShowTrigramPictures(changedUpper, changedLower, state.changedGua.get());
    return true;
}

void CShowGuaPage::SetUpEdits() {
    namespace S = Layout::ShowPage;
    Place(mainNameEdit, S::mainName);
    Place(mutualNameEdit, S::mutualName);
    Place(changedNameEdit, S::changedName);
    Place(movingLineEdit, S::movingLineWord);
    mainNameEdit.SetAccessibleName(QStringLiteral("主卦"));
    mutualNameEdit.SetAccessibleName(QStringLiteral("互卦"));
    changedNameEdit.SetAccessibleName(QStringLiteral("变卦"));
    movingLineEdit.SetAccessibleName(QStringLiteral("动爻"));
    for (CColorEdit* edit : {&mainNameEdit, &mutualNameEdit, &changedNameEdit, &movingLineEdit}) {
        edit->SetEditColours(kCeladonKey, RGB(0, 40, 40));
        // The background draws the sunken frame around each box.
        edit->SetBorder(false);
        edit->SetVerticalScroll(false);
        SetTextLayout(*edit, kTextPixels, kBoxMargin);
    }
    for (CColorEdit* edit : {&mainNameEdit, &mutualNameEdit, &changedNameEdit}) {
        edit->SetCentred(true);
    }
}

void CShowGuaPage::UpdateData(bool saveAndValidate) {
    if (saveAndValidate) {
        mainName = mainNameEdit.Text();
        mutualName = mutualNameEdit.Text();
        changedName = changedNameEdit.Text();
        movingLineWord = movingLineEdit.Text();
    } else {
        mainNameEdit.SetText(mainName);
        mutualNameEdit.SetText(mutualName);
        changedNameEdit.SetText(changedName);
        movingLineEdit.SetText(movingLineWord);
    }
}
