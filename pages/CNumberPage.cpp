#include "pages/CNumberPage.h"

#include "pages/PageLayout.h"
#include "res/ResourceIds.h"

CNumberPage::CNumberPage() : previousButton(this), backButton(this) {
    SetBackgroundFile(QStringLiteral("get_num.ggr"), Layout::NumberPage::client.w,
                      Layout::NumberPage::client.h);
    connect(&previousButton, &QAbstractButton::clicked, this, [this] { PostNavigate(14, 13); });
    connect(&backButton, &QAbstractButton::clicked, this, [this] { PostNavigate(14, 0); });
}

bool CNumberPage::OnInitDialog() {
    CPageDialog::OnInitDialog();
    Place(*this, Layout::NumberPage::client);
    SetUpSkinButton(previousButton, Layout::NumberPage::previousButton, IDB_ARROW_LEFT_HOT, IDB_ARROW_LEFT,
                    RGB(139, 183, 194));
    SetUpSkinButton(backButton, Layout::NumberPage::backButton, IDB_BACK_HOT, IDB_BACK, RGB(155, 197, 207));
    return true;
}
