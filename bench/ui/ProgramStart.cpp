// The program as main.cpp starts it, for the benchmarks that time it from outside: the same application
// object and start-up, with a signal once the main window has been painted.
//
//   ui_program           start up, report, close the main window (start-up time)
//   ui_program --walk    start up, then walk through a whole prediction and save it (peak memory)
//   ui_program --walk-all   the same, then open the records page and the player page
#include <QApplication>
#include <QDir>
#include <cstring>
#include <memory>

#include "app/CMainApp.h"
#include "bench/ui/CProgramWalk.h"
#include "bench/ui/CReadySignal.h"
#include "controls/ProgramFiles.h"
#include "core/Clock.h"

int main(int argc, char** argv) {
    QApplication qtApplication(argc, argv);
    // The benchmark starts it in a folder of its own with the pictures and a database: a portable copy.
    SetProgramFilesFolder(QDir::currentPath());
    const bool walkAll = argc > 1 && std::strcmp(argv[1], "--walk-all") == 0;
    const bool walk = walkAll || (argc > 1 && std::strcmp(argv[1], "--walk") == 0);
    if (walk) {
        // The walk predicts a date of 2011: the clock must stand before it for the date to be accepted.
        const std::time_t fixed = Clock::MakeLocalTime(2009, 6, 17, 9, 30, 0);
        Clock::SetSource([fixed] { return fixed; });
    }
    std::unique_ptr<CProgramWalk> walker;
    CReadySignal ready([walk, walkAll, &walker](QWidget& window) {
        if (!walk) {
            window.close();
            return;
        }
        walker = std::make_unique<CProgramWalk>(window, walkAll);
        walker->Start();
    });
    qtApplication.installEventFilter(&ready);
    CMainApp app;
    app.InitInstance();
    return walker && !walker->Succeeded() ? 1 : 0;
}
