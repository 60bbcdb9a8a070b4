// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The short interlude between the cast and its result: six taiji frames turn for two seconds, then the page
// asks the main window for the show page.
#include <QTimerEvent>

#include "controls/CPictureStatic.h"
#include "shell/CPageDialog.h"

class CMakeGuaPage : public CPageDialog {
    Q_OBJECT

public:
    static constexpr int kFrameCount = 6;
    static constexpr int kTicksBeforeShow = 20;
    static constexpr int kFrameInterval = 100;  // ms

    CMakeGuaPage();

    int frameIndex = 0;  // the taiji frame of the next tick, 0 .. 5
    int tickCount = 0;   // ticks so far

    CPictureStatic animation;

protected:
    bool OnInitDialog() override;
    void timerEvent(QTimerEvent* event) override;
};
