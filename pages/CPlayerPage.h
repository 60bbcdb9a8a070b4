#pragma once
// The player page, minimal version to be filled in: it has its size, its background and the
// buttons that move the prediction on, so the main window's navigation can be walked end to end. Still
// missing: the profile fields, the fortune code and its chart.
#include "controls/CSkinButton.h"
#include "shell/CPageDialog.h"

class CPlayerPage : public CPageDialog {
    Q_OBJECT

public:
    CPlayerPage();

    CSkinButton backButton;  // 1004

protected:
    bool OnInitDialog() override;
};
