// SPDX-License-Identifier: GPL-3.0-or-later
// morvint_tour [--today] [--out <folder>]
// Runs the whole program with the clock at 2009-06-17 and walks it through every view (see CTour.h), writing
// one PNG per view into the folder (default: <build>/tour). With --today the clock stands at ten in the
// morning of the machine's own date, and the walk is one prediction for that day, on the calendar the program
// chooses for it: its pictures always show the program as it is on the day it runs. Fails when a view is
// missing, blank or has a control outside its window, or when Qt printed a warning on the way.
#include <QApplication>
#include <QCursor>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

#include "controls/CjkFonts.h"
#include "controls/ProgramFiles.h"
#include "shell/CSoundPlayer.h"
#include "tests/support/CProgramFolder.h"
#include "tests/support/FixedClock.h"
#include "tests/tour/CTour.h"
#include "tests/tour/TourData.h"
#include "tools/OffscreenPlatform.h"

namespace {

QStringList warnings;

// Every Qt warning fails the tour, except two that speak of the machine the tour runs on, not of the program:
// the offscreen platform has no window manager to pass size hints to and says so each time a message box
// fixes its size, and a machine without a sound server says so the first time the hover sound is played. A
// desktop takes the hints and plays the sound silently.
const QStringList kMachineWarnings = {QStringLiteral("This plugin does not support propagateSizeHints()"),
                                      QStringLiteral("PulseAudioService: pa_context_connect() failed")};

void RecordMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
    std::fprintf(stderr, "qt: %s\n", qUtf8Printable(text));
    if (type != QtDebugMsg && type != QtInfoMsg && !kMachineWarnings.contains(text)) {
        warnings << text;
    }
}

bool HasArgument(int argc, char** argv, const char* argument) {
    for (int i = 1; i < argc; ++i) {
        if (QString::fromLocal8Bit(argv[i]) == QLatin1String(argument)) {
            return true;
        }
    }
    return false;
}

QString OutputDir(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (QString::fromLocal8Bit(argv[i]) == QStringLiteral("--out")) {
            return QString::fromLocal8Bit(argv[i + 1]);
        }
    }
    return QStringLiteral(MORVINT_TOUR_DIR);
}

bool SeedHistory(CProgramFolder& folder) {
    for (const SeededPrediction& p : kSeededPredictions) {
        if (!folder.SavePrediction(COleDateTime(p.year, p.month, p.day, 10, 0, 0), p.issue, p.codes)) {
            return false;
        }
    }
    return true;
}

int Report(const CTour& tour, const QString& outputDir) {
    std::printf("tour: %lld views in %s\n", static_cast<long long>(tour.Shots().size()),
                qUtf8Printable(outputDir));
    for (const QString& shot : tour.Shots()) {
        std::printf("  %s\n", qUtf8Printable(shot));
    }
    QStringList failures = tour.Failures();
    for (const QString& warning : warnings) {
        failures << QStringLiteral("Qt warned: ") + warning;
    }
    for (const QString& failure : failures) {
        std::printf("FAIL: %s\n", qUtf8Printable(failure));
    }
    return failures.isEmpty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const QTemporaryDir runtimeDir;
    UseOffscreenPlatform(runtimeDir);
    // The tour's settings stay in a folder of its own: it starts with the chime on, whatever the user chose.
    const QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome.path());
    qInstallMessageHandler(RecordMessage);
    QApplication application(argc, argv);
    InstallCjkFontSubstitutions();
    CSoundPlayer::SetPluginFolders({QStringLiteral(MORVINT_PROGRAM_DIR)});

    const QString outputDir = OutputDir(argc, argv);
    CProgramFolder folder;
    if (!folder.IsValid() || !SeedHistory(folder) || !QDir().mkpath(outputDir)) {
        std::fprintf(stderr, "tour: cannot prepare the program folder: %s\n", qUtf8Printable(folder.Error()));
        return 2;
    }
    // The program reads its pictures and database from the folder, as from a portable program folder.
    SetProgramFilesFolder(folder.Path());
    const bool today = HasArgument(argc, argv, "--today");
    const QDate date = today ? QDate::currentDate() : QDate(2009, 6, 17);
    FixedClock clock(date.year(), date.month(), date.day(), 10, 0, 0);
    QCursor::setPos(0, 0);

    CTour tour(outputDir, folder, clock, today ? CTour::Walk::Today : CTour::Walk::Full);
    tour.Run();
    return Report(tour, outputDir);
}
