// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the main window at each step of one prediction and saves one PNG per page, for judging the pages on
// their pictures without clicking through the program. Usage: pages_gallery <output folder>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimerEvent>

#include "app/CMainDlg.h"
#include "controls/CjkFonts.h"
#include "controls/PostedMessage.h"
#include "controls/ProgramFiles.h"
#include "core/Cast.h"
#include "pages/CMakeGuaPage.h"
#include "pages/CStartPage.h"
#include "res/Resources.h"
#include "shell/CPredictApp.h"
#include "shell/Navigation.h"
#include "tests/support/StoreRecords.h"
#include "tools/OffscreenPlatform.h"

namespace {

void Deliver() {
    for (int round = 0; round < 4; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void Navigate(CMainDlg& window, NavStage stage, NavCode code) {
    PostMessageTo(&window, WM_NAVIGATE, MessageParam(stage), MessageParam(code));
    Deliver();
}

// One tick of the page's animation, as its timer would give it.
void Tick(QObject& page, int timerId, int times) {
    for (int i = 0; i < times; ++i) {
        QTimerEvent tick(timerId);
        QCoreApplication::sendEvent(&page, &tick);
    }
}

bool Save(CMainDlg& window, const QString& folder, const char* name) {
    return window.grab().save(folder + QLatin1Char('/') + QLatin1String(name), "PNG");
}

}  // namespace

int main(int argc, char** argv) {
    const QTemporaryDir runtimeDir;
    UseOffscreenPlatform(runtimeDir);
    QApplication qtApp(argc, argv);
    if (argc < 2) {
        return 2;
    }
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    InstallCjkFontSubstitutions();
    InitResources();
    // The pictures are read from the program folder, as the program reads them.
    SetProgramFilesFolder(QStringLiteral(MORVINT_PROGRAM_DIR));

    CPredictApp app;
    SetProfileField(app, &PlayerProfile::name, "新玩家");
    app.random.Fill(20090625);
    // A day in the leap fifth month of 2009, and 坤 doubled: the longest judgement of all.
    app.state.drawDate = COleDateTime(2009, 6, 25, 9, 30, 0);
    static_cast<void>(app.state.lunar.Convert(app.state.drawDate));
    app.state.issueNumber = "2009168";
    CMainDlg window(app);
    window.show();
    window.ShowPageView(CMainDlg::kStepSlot, false);
    auto* start = dynamic_cast<CStartPage*>(window.pageContainer.Page(CMainDlg::kStepSlot));
    Tick(*start, start->AnimationTimer(), 3);
    bool ok = Save(window, folder, "start.png");

    CastFromNumber(app.state, 8888);
    Navigate(window, NavStage::Start, NavCode::ToMake);
    Tick(*window.pageContainer.Page(CMainDlg::kStepSlot), 0, 2);
    ok = Save(window, folder, "make.png") && ok;
    Navigate(window, NavStage::Make, NavCode::ToShow);
    ok = Save(window, folder, "show.png") && ok;
    Navigate(window, NavStage::Show, NavCode::ToExplain);
    ok = Save(window, folder, "explain.png") && ok;
    Navigate(window, NavStage::Explain, NavCode::ToNumber);
    ok = Save(window, folder, "number.png") && ok;
    return ok ? 0 : 1;
}
