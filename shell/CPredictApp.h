// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application object: the store with the player profile and the history, the table of random numbers the
// codes are drawn from, and the prediction in progress. Everything that outlives a page lives here. The main
// window is handed this object and hands each page the part it works on (the store, the prediction, the
// random table, a way to open the help); no page reaches for the application itself.
#include "core/CRandomTable.h"
#include "core/PredictionState.h"
#include "shell/CommandLine.h"
#include "shell/MessageSink.h"
#include "store/CPredictStore.h"

class CPredictApp : public CPredictStore {
public:
    // Routes the messages said through the sink to modal message boxes captioned with the application's
    // title, and says every load of the store that fails.
    // Names the process for the desktop: "morvint" (its data folder) and the desktop entry
    // "org.morvint.Quintara" (which its windows belong to). One object at a time.
    CPredictApp();
    ~CPredictApp() override;
    CPredictApp(const CPredictApp&) = delete;
    CPredictApp& operator=(const CPredictApp&) = delete;

    // Start-up: chooses the calendar edition, fills the random table, opens the database (the file the
    // command line names, else the one OpenDatabase() chooses), sets the earliest draw date, loads the player
    // and the history, then runs the main window until it closes. Returns false: the program ends with the
    // window. Without --database and without a home folder to keep the records in, it says so and returns
    // at once, with ExitCode() kExitFailure. A QApplication must exist.
    bool InitInstance(const CommandLine& commandLine = {});

    // What the process ends with: 0, or kExitFailure when the start was refused.
    int ExitCode() const { return exitCode; }

    // Opens the database of a start without --database (see shell/DatabaseLocation.h), and says when it
    // cannot.
    void OpenDatabase();
    using CPredictStore::OpenDatabase;

    // Opens a help document of the program folder: 0 the general help, 1 predicting, 2 the fortune code.
    void OpenHelp(int kind);

    PredictionState state;
    CRandomTable random;

protected:
    // The last step of the start-up: runs the main window until it closes. The main window sits above the
    // pages, so the program's application object (app/CMainApp) brings it; this object alone, as the page
    // tests use it, has none and returns at once.
    virtual void RunMainWindow() {}

private:
    static void SayOpenOutcome(OpenOutcome outcome);

    MessageSinkFunction previousSink;
    int exitCode = 0;
};
