#include "pages/CPlayerPage.h"

#include "pages/PageLayout.h"
#include "res/ResourceIds.h"

CPlayerPage::CPlayerPage() : backButton(this) {
    SetBackgroundFile(QStringLiteral("player.ggr"), Layout::PlayerPage::client.w,
                      Layout::PlayerPage::client.h);
    connect(&backButton, &QAbstractButton::clicked, this, [this] { PostNavigate(30, 0); });
}

bool CPlayerPage::OnInitDialog() {
    CPageDialog::OnInitDialog();
    Place(*this, Layout::PlayerPage::client);
    SetUpSkinButton(backButton, Layout::PlayerPage::backButton, IDB_BACK_LIGHT_HOT, IDB_BACK_LIGHT,
                    RGB(255, 255, 255));
    return true;
}
