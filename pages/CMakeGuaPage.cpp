#include "pages/CMakeGuaPage.h"

#include <QTimer>

#include "pages/PageLayout.h"

CMakeGuaPage::CMakeGuaPage() {
    SetBackgroundFile(QStringLiteral("make_gua.ggr"), Layout::MakePage::client.w, Layout::MakePage::client.h);
}

bool CMakeGuaPage::OnInitDialog() {
    CPageDialog::OnInitDialog();
    Place(*this, Layout::MakePage::client);
    // The real page animates for two seconds before it asks for the show page.
    QTimer::singleShot(2000, this, [this] { PostNavigate(11, 12); });
    return true;
}
