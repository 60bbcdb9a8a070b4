#include "pages/CExplainPage.h"

#include "pages/PageLayout.h"
#include "res/ResourceIds.h"

CExplainPage::CExplainPage() : nextButton(this), backButton(this) {
    SetBackgroundFile(QStringLiteral("gua_exp.ggr"), Layout::ExplainPage::client.w,
                      Layout::ExplainPage::client.h);
    connect(&nextButton, &QAbstractButton::clicked, this, [this] { PostNavigate(13, 14); });
    connect(&backButton, &QAbstractButton::clicked, this, [this] { PostNavigate(13, 0); });
}

bool CExplainPage::OnInitDialog() {
    CPageDialog::OnInitDialog();
    Place(*this, Layout::ExplainPage::client);
    SetUpSkinButton(nextButton, Layout::ExplainPage::nextButton, IDB_ARROW_RIGHT_HOT, IDB_ARROW_RIGHT,
                    RGB(139, 183, 194));
    SetUpSkinButton(backButton, Layout::ExplainPage::backButton, IDB_BACK_HOT, IDB_BACK, RGB(155, 197, 207));
    return true;
}
