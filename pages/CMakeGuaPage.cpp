// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/CMakeGuaPage.h"

#include "pages/PageLayout.h"

namespace {

// Drawn larger than the window that shows them; the window keeps their top-left part.
constexpr int kFrameSize = 243;

}  // namespace

CMakeGuaPage::CMakeGuaPage() : animation(this) {
    SetBackgroundFile(QStringLiteral("make_gua.ggr"), Layout::MakePage::client.w, Layout::MakePage::client.h);
}

bool CMakeGuaPage::OnInitDialog() {
    CPageDialog::OnInitDialog();
    Place(*this, Layout::MakePage::client);
    Place(animation, Layout::MakePage::animation);
    frameIndex = 0;
    tickCount = 0;
    startTimer(kFrameInterval);
    return true;
}

// The page never stops its timer: it asks on the 20th tick and on every later one until the main window has
// replaced it, so a request cannot get lost.
void CMakeGuaPage::timerEvent(QTimerEvent* event) {
    if (frameIndex >= 0 && frameIndex < kFrameCount) {
        animation.SetPictureFile(QStringLiteral("taiji_%1.bmp").arg(frameIndex), kFrameSize, kFrameSize,
                                 false);
    }
    ++tickCount;
    frameIndex = (frameIndex + 1) % kFrameCount;
    if (tickCount >= kTicksBeforeShow) {
        PostNavigate(NavStage::Make, NavCode::ToShow);
    }
    CPageDialog::timerEvent(event);
}
