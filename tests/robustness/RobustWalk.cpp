// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/robustness/RobustWalk.h"

#include <QApplication>
#include <QDate>

#include "app/CNavPanel.h"
#include "pages/CDateInputDlg.h"
#include "pages/CExplainPage.h"
#include "pages/CHistoryPage.h"
#include "pages/CNumberPage.h"
#include "pages/CPlayerPage.h"
#include "pages/CShowGuaPage.h"
#include "pages/CStartPage.h"
#include "shell/CNoticeDlg.h"
#include "tests/tour/TourWindows.h"

namespace {

CMainDlg* Main() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* main = qobject_cast<CMainDlg*>(window); main != nullptr && main->isVisible()) {
            return main;
        }
    }
    return nullptr;
}

bool AtHome() {
    const CMainDlg* main = Main();
    const QWidget* modal = QApplication::activeModalWidget();
    return main != nullptr && main->navContainer.isVisible() && modal == nullptr;
}

CNavPanel& Panel() {
    return *dynamic_cast<CNavPanel*>(Main()->navContainer.Page(0));
}

template <class Page>
std::function<bool()> PageShown() {
    return [] { return ShownPage<Page>(Main()) != nullptr; };
}

template <class Page>
Page& Shown() {
    return *ShownPage<Page>(Main());
}

}  // namespace

CRobustWalk::CRobustWalk() {
    driver.Add(QStringLiteral("records"), AtHome, [] { Panel().recordsButton.click(); });
    driver.Add(QStringLiteral("records page"), PageShown<CHistoryPage>(),
               [] { Shown<CHistoryPage>().backButton.click(); });
    driver.Add(QStringLiteral("player"), AtHome, [] { Panel().playerButton.click(); });
    driver.Add(QStringLiteral("save the profile"), PageShown<CPlayerPage>(),
               [] { Shown<CPlayerPage>().saveButton.click(); });
    driver.Add(QStringLiteral("player page"), PageShown<CPlayerPage>(),
               [] { Shown<CPlayerPage>().backButton.click(); });
    driver.Add(QStringLiteral("new prediction"), AtHome, [] { Panel().predictButton.click(); });
    driver.Add(
        QStringLiteral("date dialog"), [] { return ActiveModal<CDateInputDlg>() != nullptr; },
        [] {
            CDateInputDlg* dialog = ActiveModal<CDateInputDlg>();
            dialog->datePicker.setDate(QDate(2009, 6, 17));
            dialog->issueEdit.setText(QStringLiteral("2009160"));
            dialog->okButton.click();
        });
    driver.Add(QStringLiteral("start page"), PageShown<CStartPage>(),
               [] { Shown<CStartPage>().castButton.click(); });
    driver.Add(QStringLiteral("show page"), PageShown<CShowGuaPage>(),
               [] { Shown<CShowGuaPage>().nextButton.click(); });
    driver.Add(QStringLiteral("explanation page"), PageShown<CExplainPage>(),
               [] { Shown<CExplainPage>().nextButton.click(); });
    driver.Add(QStringLiteral("number page"), PageShown<CNumberPage>(),
               [] { Shown<CNumberPage>().saveButton.click(); });
    driver.Add(
        QStringLiteral("save question"), [] { return ActiveModal<CNoticeDlg>() != nullptr; },
        [] { ActiveModal<CNoticeDlg>()->saveButton.click(); });
    driver.Add(QStringLiteral("back home"), PageShown<CNumberPage>(),
               [] { Shown<CNumberPage>().backButton.click(); });
    driver.Add(QStringLiteral("exit"), AtHome, [] { Main()->exitButton.click(); });
}

void CRobustWalk::Start() {
    driver.Start([](bool finished) {
        if (!finished) {
            QApplication::exit(1);
        }
    });
}
