#include "pages/CShowGuaPage.h"

#include "pages/PageLayout.h"
#include "res/ResourceIds.h"

CShowGuaPage::CShowGuaPage() : nextButton(this), backButton(this) {
    SetBackgroundFile(QStringLiteral("get_gua.ggr"), Layout::ShowPage::client.w, Layout::ShowPage::client.h);
    connect(&nextButton, &QAbstractButton::clicked, this, [this] { PostNavigate(12, 13); });
    connect(&backButton, &QAbstractButton::clicked, this, [this] { PostNavigate(12, 0); });
}

bool CShowGuaPage::OnInitDialog() {
    CPageDialog::OnInitDialog();
    Place(*this, Layout::ShowPage::client);
    SetUpSkinButton(nextButton, Layout::ShowPage::nextButton, IDB_ARROW_RIGHT_HOT, IDB_ARROW_RIGHT,
                    RGB(139, 183, 194));
    SetUpSkinButton(backButton, Layout::ShowPage::backButton, IDB_BACK_HOT, IDB_BACK, RGB(155, 197, 207));
    return true;
}
