#pragma once
// The explanation page (full height), minimal version to be filled in: it has its size, its background and
// the buttons that move the prediction on, so the main window's navigation can be walked end to end. Still
// missing: the names, texts and judgement sentences.
#include "controls/CSkinButton.h"
#include "shell/CPageDialog.h"

class CExplainPage : public CPageDialog {
    Q_OBJECT

public:
    CExplainPage();

    CSkinButton nextButton;  // 1007
    CSkinButton backButton;  // 1004

protected:
    bool OnInitDialog() override;
};
