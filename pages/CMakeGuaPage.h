#pragma once
// The hexagram-making page, minimal version to be filled in: it has its size and its background and asks for
// the show page after two seconds, so the main window's navigation can be walked end to end. Still missing:
// the animation frames.
#include "shell/CPageDialog.h"

class CMakeGuaPage : public CPageDialog {
    Q_OBJECT

public:
    CMakeGuaPage();

protected:
    bool OnInitDialog() override;
};
