#pragma once
// The number page, minimal version to be filled in: it has its size, its background and the
// buttons that move the prediction on, so the main window's navigation can be walked end to end. Still
// missing: the eight codes and saving the prediction.
#include "controls/CSkinButton.h"
#include "shell/CPageDialog.h"

class CNumberPage : public CPageDialog {
    Q_OBJECT

public:
    CNumberPage();

    CSkinButton previousButton;  // 1008
    CSkinButton backButton;      // 1004

protected:
    bool OnInitDialog() override;
};
