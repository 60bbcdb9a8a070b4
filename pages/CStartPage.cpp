#include "pages/CStartPage.h"

#include "pages/PageLayout.h"
#include "res/ResourceIds.h"

CStartPage::CStartPage() : castButton(this), backButton(this) {
    SetBackgroundFile(QStringLiteral("start.ggr"), Layout::StartPage::client.w, Layout::StartPage::client.h);
    connect(&castButton, &QAbstractButton::clicked, this, [this] { PostNavigate(10, 11); });
    connect(&backButton, &QAbstractButton::clicked, this, [this] { PostNavigate(10, 0); });
}

bool CStartPage::OnInitDialog() {
    CPageDialog::OnInitDialog();
    Place(*this, Layout::StartPage::client);
    SetUpSkinButton(castButton, Layout::StartPage::castButton, IDB_CAST_HOT, IDB_CAST, RGB(151, 191, 201));
    SetUpSkinButton(backButton, Layout::StartPage::backButton, IDB_START_BACK_HOT, IDB_START_BACK,
                    RGB(151, 191, 201));
    return true;
}
