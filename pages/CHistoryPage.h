#pragma once
// The prediction records page, minimal version to be filled in: it has its size, its background and the
// buttons that move the prediction on, so the main window's navigation can be walked end to end. Still
// missing: the list of records and the entry of draw numbers.
#include "controls/CSkinButton.h"
#include "shell/CPageDialog.h"

class CHistoryPage : public CPageDialog {
    Q_OBJECT

public:
    CHistoryPage();

    CSkinButton backButton;  // 1004

protected:
    bool OnInitDialog() override;
};
