#pragma once
// The page showing the cast hexagrams, minimal version to be filled in: it has its size, its background and
// the buttons that move the prediction on, so the main window's navigation can be walked end to end. Still
// missing: the dates, names, trigram pictures and moving line.
#include "controls/CSkinButton.h"
#include "shell/CPageDialog.h"

class CShowGuaPage : public CPageDialog {
    Q_OBJECT

public:
    CShowGuaPage();

    CSkinButton nextButton;  // 1007
    CSkinButton backButton;  // 1004

protected:
    bool OnInitDialog() override;
};
