// SPDX-License-Identifier: GPL-3.0-or-later
// The program as main.cpp starts it, for the benchmarks that time it from outside: the same application
// object and start-up, with a signal once the main window has been painted.
//
//   ui_program           start up, report, close the main window (start-up time)
//   ui_program --walk    start up, then walk through a whole prediction and save it (peak memory)
//   ui_program --walk-all   the same, then open the records page and the player page
//   ui_program --exit    start up, click 退出 and mark the click (the time the exit takes)
//   ui_program --exit-after-chime   the same after the panel's card and chime, as a user's hover brings them
#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTimer>
#include <cstring>
#include <memory>

#include "app/CMainApp.h"
#include "app/CMainDlg.h"
#include "bench/ui/CProgramWalk.h"
#include "bench/ui/CReadySignal.h"
#include "controls/PostedMessage.h"
#include "controls/ProgramFiles.h"
#include "core/Clock.h"
#include "shell/CSoundPlayer.h"

namespace {

bool Argument(int argc, char** argv, const char* name) {
    return argc > 1 && std::strcmp(argv[1], name) == 0;
}

// The chime lasts under a second; the click comes once it has played.
constexpr int kChimeMs = 1000;

// A press and a release on 退出, as the window system delivers a click, right after the mark.
void ClickExit(CMainDlg& main, const CReadySignal& ready) {
    ready.Mark('C');
    QWidget& button = main.exitButton;
    const QPointF centre = button.rect().center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, centre, button.mapToGlobal(centre), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&button, &click);
    }
}

void ExitLater(QWidget& window, const CReadySignal& ready, bool chimeFirst) {
    auto* main = dynamic_cast<CMainDlg*>(&window);
    if (main == nullptr) {
        window.close();
        return;
    }
    if (chimeFirst) {
        PostMessageTo(main, WM_SHOWPICTURE, MessageParam(ViewKind::Records), 0);
    }
    QTimer::singleShot(chimeFirst ? kChimeMs : 0, main, [main, &ready] { ClickExit(*main, ready); });
}

}  // namespace

int main(int argc, char** argv) {
    QApplication qtApplication(argc, argv);
    // The benchmark starts it in a folder of its own with the pictures, the sound plugin and a database: a
    // portable copy.
    SetProgramFilesFolder(QDir::currentPath());
    CSoundPlayer::SetPluginFolders({QDir::currentPath()});
    const bool walkAll = Argument(argc, argv, "--walk-all");
    const bool walk = walkAll || Argument(argc, argv, "--walk");
    const bool exitAfterChime = Argument(argc, argv, "--exit-after-chime");
    const bool exit = exitAfterChime || Argument(argc, argv, "--exit");
    if (walk) {
        // The walk predicts a date of 2011: the clock must stand before it for the date to be accepted.
        const std::time_t fixed = Clock::MakeLocalTime(2009, 6, 17, 9, 30, 0);
        Clock::SetSource([fixed] { return fixed; });
    }
    CMainApp app;
    std::unique_ptr<CProgramWalk> walker;
    std::unique_ptr<CReadySignal> ready;
    ready = std::make_unique<CReadySignal>([&](QWidget& window) {
        if (exit) {
            ExitLater(window, *ready, exitAfterChime);
        } else if (walk) {
            walker = std::make_unique<CProgramWalk>(window, app, walkAll);
            walker->Start();
        } else {
            window.close();
        }
    });
    qtApplication.installEventFilter(ready.get());
    app.InitInstance();
    return walker && !walker->Succeeded() ? 1 : 0;
}
