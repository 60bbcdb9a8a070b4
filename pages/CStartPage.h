// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The first page of a prediction: a turning eight-trigram wheel and the button that casts. The wheel's frame
// number belongs to the run, not to a page, so a new prediction picks the wheel up where the last one left it
// (the main window also keeps a hidden start page turning from start-up on).
#include <QTimerEvent>

#include "controls/CPictureStatic.h"
#include "controls/CSkinButton.h"
#include "shell/CPageDialog.h"

struct PredictionState;

class CStartPage : public CPageDialog {
    Q_OBJECT

public:
    static constexpr int kFrameCount = 18;
    static constexpr int kFrameInterval = 100;  // ms

    // 立即起卦 casts into prediction, which must outlive the page.
    explicit CStartPage(PredictionState& prediction);

    // The frame the next tick of any start page shows, 1 .. kFrameCount.
    static int NextFrame() { return animationFrame; }
    // The timer of this page's animation, once the page is created (0 before).
    int AnimationTimer() const { return animationTimer; }

    CSkinButton castButton;  // 立即起卦
    CSkinButton backButton;  // 返回
    CPictureStatic animation;

    QWidget* FirstControl() override { return &castButton; }

protected:
    bool OnInitDialog() override;
    void timerEvent(QTimerEvent* event) override;

private:
    void OnCast();

    static inline int animationFrame = 1;
    int animationTimer = 0;
    PredictionState& state;
};
