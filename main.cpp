// SPDX-License-Identifier: GPL-3.0-or-later
// The program: the command line is read first, so that --help, --version, a mistyped option and the export
// and import of the records answer without a display, and a start with no display at all says so in words;
// then one application object, started and run until its main window closes. The words go out through stdio:
// iostreams, once linked, are set up at every start, window or not, and cost the start memory and time.
#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "app/CMainApp.h"
#include "shell/CommandLine.h"
#include "shell/DatabaseLocation.h"
#include "shell/RecordsCommand.h"

int main(int argc, char** argv) {
    IgnoreRelativeXdgFolders();
    const CommandLine commandLine = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!commandLine.error.empty()) {
        std::fputs(ErrorText(commandLine.error).c_str(), stderr);
        return kExitUsage;
    }
    if (commandLine.showHelp) {
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    }
    if (commandLine.showVersion) {
        std::fputs(VersionText(ChosenCalendarEdition(commandLine)).c_str(), stdout);
        return 0;
    }
    if (IsRecordsCommand(commandLine)) {
        QCoreApplication qtApplication(argc, argv);
        return RunRecordsCommand(commandLine);
    }
    // Without a display Qt would abort with its own English message and a core dump.
    if (!HasDisplay(commandLine)) {
        std::fputs(NoDisplayText().c_str(), stderr);
        return kExitUsage;
    }
    QApplication qtApplication(argc, argv);
    CMainApp app;
    app.InitInstance(commandLine);
    return app.ExitCode();
}
