// SPDX-License-Identifier: GPL-3.0-or-later
// morvint_robust_child [--drop-root] [program options]
// The program as main.cpp starts it from a portable folder (the current directory), driven through everything
// that reads or writes the database: start-up, the records page, saving the player profile, and a whole
// prediction that is saved. It reports each message box on standard output ("message<TAB>caption<TAB>text",
// answering it with OK) and each Qt message on standard error ("qt<TAB>type<TAB>text"), and ends with status
// 0 once the walk is done, 3 when it got stuck. With --drop-root a process started as root first becomes
// "nobody", so that a read-only file is read-only.
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/CMainApp.h"
#include "controls/ProgramFiles.h"
#include "shell/CommandLine.h"
#include "tests/robustness/RobustWalk.h"
#include "tests/support/FixedClock.h"

namespace {

QString OneLine(QString text) {
    return text.replace(QStringLiteral("\r"), QStringLiteral("\\r"))
        .replace(QStringLiteral("\n"), QStringLiteral("\\n"));
}

void ReportQtMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
    std::fprintf(stderr, "qt\t%d\t%s\n", static_cast<int>(type), qUtf8Printable(OneLine(text)));
}

// Gives up root for "nobody", with a home and a runtime directory of its own. False when that failed.
bool DropRoot() {
    if (::geteuid() != 0) {
        return true;
    }
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
        return false;
    }
    char home[] = "/tmp/morvint-nobody-XXXXXX";
    if (::mkdtemp(home) == nullptr) {
        return false;
    }
    ::setenv("HOME", home, 1);
    ::setenv("XDG_RUNTIME_DIR", home, 1);
    ::setenv("XDG_CACHE_HOME", home, 1);
    return true;
}

// Reports and answers every message box, whichever step or start-up phase brought it up.
void AnswerMessageBoxes(QTimer& timer) {
    QObject::connect(&timer, &QTimer::timeout, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr && box->isVisible()) {
            std::printf("message\t%s\t%s\n", qUtf8Printable(box->windowTitle()),
                        qUtf8Printable(OneLine(box->text())));
            std::fflush(stdout);
            box->accept();
        }
    });
    timer.start(5);
}

}  // namespace

int main(int argc, char** argv) {
    const bool dropRoot = argc > 1 && std::strcmp(argv[1], "--drop-root") == 0;
    if (dropRoot && !DropRoot()) {
        std::fprintf(stderr, "robust: cannot give up root\n");
        return 4;
    }
    const CommandLine commandLine =
        ParseCommandLine(std::vector<std::string>(argv + (dropRoot ? 2 : 1), argv + argc));
    if (!commandLine.error.empty()) {
        std::fprintf(stderr, "%s", ErrorText(commandLine.error).c_str());
        return 2;
    }
    qInstallMessageHandler(ReportQtMessage);
    QApplication qtApplication(argc, argv);
    SetProgramFilesFolder(QDir::currentPath());
    FixedClock clock(2009, 6, 17, 10, 0, 0);
    QTimer answering;
    AnswerMessageBoxes(answering);
    CRobustWalk walk;
    walk.Start();

    CMainApp app;
    app.InitInstance(commandLine);
    std::printf("walk\t%s\n", walk.Finished() ? "done" : qUtf8Printable(walk.Failure()));
    return walk.Finished() ? 0 : 3;
}
