// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/ui/CProgramWalk.h"

#include <QApplication>
#include <QDate>
#include <QMessageBox>
#include <cstdio>

#include "app/CMainDlg.h"
#include "controls/PostedMessage.h"
#include "pages/CDateInputDlg.h"
#include "pages/CExplainPage.h"
#include "pages/CHistoryPage.h"
#include "pages/CNumberPage.h"
#include "pages/CPlayerPage.h"
#include "pages/CShowGuaPage.h"
#include "pages/CStartPage.h"
#include "shell/CNoticeDlg.h"
#include "shell/QtMessageTexts.h"
#include "store/CPredictStore.h"

namespace {

// The only message box a successful walk sees.
const QString kSavedCaption = CaptionOf(Messages::kSaved);

// A modal window above the main window is what the walk waits for and answers.
bool NothingAboveMainWindow() {
    return QApplication::activeModalWidget() == nullptr;
}

template <class Window>
Window* ActiveModal() {
    auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
    return window != nullptr && window->isVisible() ? window : nullptr;
}

template <class Page>
Page* ShownPage(CMainDlg& main) {
    if (!main.pageContainer.isVisible() || !NothingAboveMainWindow()) {
        return nullptr;
    }
    auto* page = dynamic_cast<Page*>(main.pageContainer.Page(main.pageContainer.CurrentIndex()));
    return page != nullptr && page->isVisible() ? page : nullptr;
}

}  // namespace

CProgramWalk::CProgramWalk(QWidget& mainWindow, const CPredictStore& store, bool alsoRecordsAndPlayer)
    : window(dynamic_cast<CMainDlg*>(&mainWindow)), records(store), visitOtherPages(alsoRecordsAndPlayer) {
    connect(&poll, &QTimer::timeout, this, &CProgramWalk::Poll);
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, this, [this] { Fail("the walk did not finish within 60 s"); });
}

void CProgramWalk::Start() {
    if (window == nullptr) {
        std::fprintf(stderr, "walk: the first window is not the main window\n");
        return;
    }
    historyBefore = records.HistoryCount();
    BuildSteps();
    poll.start(5);
    deadline.start(60000);
}

// A step may open a modal window and block inside its loop. It runs from its own zero timer, not from the
// poll (Qt does not fire a timer again while its own handler is still on the stack), so the polling goes on
// inside that loop and the next step answers the window.
void CProgramWalk::Poll() {
    if (auto* box = ActiveModal<QMessageBox>(); box != nullptr && box->windowTitle() != kSavedCaption) {
        std::fprintf(stderr, "walk: unexpected message \"%s\"\n", qUtf8Printable(box->text()));
        Fail("a message box nobody asked for");
        box->accept();
        return;
    }
    if (stepDue || next >= steps.size() || !steps[next].ready()) {
        return;
    }
    stepDue = true;
    QTimer::singleShot(0, this, [this, act = steps[next++].act] {
        stepDue = false;
        act();
    });
}

void CProgramWalk::Fail(const char* why) {
    std::fprintf(stderr, "walk: %s (step %zu of %zu)\n", why, next, steps.size());
    poll.stop();
    succeeded = false;
    QApplication::exit(1);
}

void CProgramWalk::BuildSteps() {
    CMainDlg& main = *window;
    const auto openView = [&main](int kind) {
        return [&main, kind] { PostMessageTo(&main, WM_OPENVIEW, kind, 0); };
    };
    const auto home = [&main] { return main.navContainer.isVisible() && NothingAboveMainWindow(); };
    steps = {
        {home, openView(15)},
        {[] { return ActiveModal<CDateInputDlg>() != nullptr; },
         [] {
             CDateInputDlg* dialog = ActiveModal<CDateInputDlg>();
             dialog->datePicker.setDate(QDate(2011, 6, 17));
             dialog->issueEdit.setText(QStringLiteral("2011160"));
             dialog->okButton.click();
         }},
        {[&main] { return ShownPage<CStartPage>(main) != nullptr; },
         [&main] { ShownPage<CStartPage>(main)->castButton.click(); }},
        // The make page moves on by itself after its two-second animation.
        {[&main] { return ShownPage<CShowGuaPage>(main) != nullptr; },
         [&main] { ShownPage<CShowGuaPage>(main)->nextButton.click(); }},
        {[&main] { return ShownPage<CExplainPage>(main) != nullptr; },
         [&main] { ShownPage<CExplainPage>(main)->nextButton.click(); }},
        {[&main] { return ShownPage<CNumberPage>(main) != nullptr; },
         [&main] { ShownPage<CNumberPage>(main)->saveButton.click(); }},
        {[] { return ActiveModal<CNoticeDlg>() != nullptr; },
         [] { ActiveModal<CNoticeDlg>()->saveButton.click(); }},
        {[] { return ActiveModal<QMessageBox>() != nullptr; }, [] { ActiveModal<QMessageBox>()->accept(); }},
        {[&main] { return ShownPage<CNumberPage>(main) != nullptr; },
         [&main] { ShownPage<CNumberPage>(main)->backButton.click(); }},
    };
    if (visitOtherPages) {
        const std::vector<Step> otherPages = {
            {home, openView(20)},
            {[&main] { return ShownPage<CHistoryPage>(main) != nullptr; },
             [&main] { ShownPage<CHistoryPage>(main)->backButton.click(); }},
            {home, openView(30)},
            {[&main] { return ShownPage<CPlayerPage>(main) != nullptr; },
             [&main] { ShownPage<CPlayerPage>(main)->backButton.click(); }},
        };
        steps.insert(steps.end(), otherPages.begin(), otherPages.end());
    }
    steps.push_back({home, [this, &main] { Finish(main); }});
}

void CProgramWalk::Finish(CMainDlg& main) {
    succeeded = records.HistoryCount() == historyBefore + 1;
    if (!succeeded) {
        std::fprintf(stderr, "walk: the prediction was not stored\n");
    }
    poll.stop();
    main.exitButton.click();
}
