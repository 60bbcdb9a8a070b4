#pragma once
// The start page, minimal version to be filled in: it has its size, its background and the
// buttons that move the prediction on, so the main window's navigation can be walked end to end. Still
// missing: the looping animation and the cast itself.
#include "controls/CSkinButton.h"
#include "shell/CPageDialog.h"

class CStartPage : public CPageDialog {
    Q_OBJECT

public:
    CStartPage();

    CSkinButton castButton;  // 1005
    CSkinButton backButton;  // 1004

protected:
    bool OnInitDialog() override;
};
