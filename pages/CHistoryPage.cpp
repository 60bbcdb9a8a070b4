#include "pages/CHistoryPage.h"

#include "pages/PageLayout.h"
#include "res/ResourceIds.h"

CHistoryPage::CHistoryPage() : backButton(this) {
    SetBackgroundFile(QStringLiteral("history.ggr"), Layout::HistoryPage::client.w,
                      Layout::HistoryPage::client.h);
    connect(&backButton, &QAbstractButton::clicked, this, [this] { PostNavigate(20, 0); });
}

bool CHistoryPage::OnInitDialog() {
    CPageDialog::OnInitDialog();
    Place(*this, Layout::HistoryPage::client);
    SetUpSkinButton(backButton, Layout::HistoryPage::backButton, IDB_BACK_HOT, IDB_BACK, RGB(155, 197, 207));
    return true;
}
