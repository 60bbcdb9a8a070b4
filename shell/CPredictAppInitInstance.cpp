// Start-up of the application object. It lives apart from CPredictApp.cpp because it runs the main window,
// which sits above the pages in the main-window library, while the rest of the application object sits below
// the pages (they reach the prediction state through it).
#include <QApplication>

#include "controls/CjkFonts.h"
#include "res/Resources.h"
#include "shell/CMainDlg.h"
#include "shell/CPredictApp.h"
#include "shell/ChineseTranslations.h"

bool CPredictApp::InitInstance(const CommandLine& commandLine) {
    SetCalendarEdition(ChosenCalendarEdition(commandLine));
    // The faces the windows ask for, Qt's own texts in Chinese, and the button pictures compiled into the
    // program.
    InstallCjkFontSubstitutions();
    InstallChineseTranslations();
    InitResources();

    random.FillRandomTable();
    // A missing file is reported and the program carries on without a database.
    if (commandLine.database.empty()) {
        OpenDatabase();
    } else {
        OpenDatabase(commandLine.database);
    }
    state.minDrawDate = COleDateTime(2009, 6, 17);
    historyCount = 0;
    LoadPlayer();
    LoadHistory();

    CMainDlg mainWindow;
    mainWindow.RunUntilClosed();
    return false;
}
