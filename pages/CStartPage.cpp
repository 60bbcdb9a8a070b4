// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/CStartPage.h"

#include "core/Cast.h"
#include "pages/PageLayout.h"
#include "res/ResourceIds.h"
#include "shell/FaceKeys.h"

namespace {

// The frames are drawn larger than the window that shows them; the window keeps their top-left part.
constexpr int kFrameSize = 243;

}  // namespace

CStartPage::CStartPage(PredictionState& prediction)
    : castButton(this), backButton(this), animation(this), state(prediction) {
    SetBackgroundFile(QStringLiteral("start.ggr"), Layout::StartPage::client.w, Layout::StartPage::client.h);
    connect(&castButton, &QAbstractButton::clicked, this, &CStartPage::OnCast);
    connect(&backButton, &QAbstractButton::clicked, this,
            [this] { PostNavigate(NavStage::Start, NavCode::Home); });
}

bool CStartPage::OnInitDialog() {
    CPageDialog::OnInitDialog();
    Place(*this, Layout::StartPage::client);
    SetUpSkinButton(castButton, Layout::StartPage::castButton, kCastHotBitmap, kCastBitmap, kMistKey,
                    QStringLiteral("立即起卦"));
    SetUpSkinButton(backButton, Layout::StartPage::backButton, kStartBackHotBitmap, kStartBackBitmap,
                    kMistKey, QStringLiteral("返回"));
    Place(animation, Layout::StartPage::animation);
    // The wheel turns for as long as the page lives, shown or not.
    animationTimer = startTimer(kFrameInterval);
    return true;
}

void CStartPage::timerEvent(QTimerEvent* event) {
    if (event->timerId() == animationTimer && animationTimer != 0) {
        animation.SetPictureFile(QStringLiteral("%1.bmp").arg(animationFrame), kFrameSize, kFrameSize, false);
        animationFrame = animationFrame % kFrameCount + 1;
    }
    CPageDialog::timerEvent(event);
}

// Every click casts anew and asks for the make page again; the main window shows the last cast.
void CStartPage::OnCast() {
    CastHexagrams(state);
    PostNavigate(NavStage::Start, NavCode::ToMake);
}
