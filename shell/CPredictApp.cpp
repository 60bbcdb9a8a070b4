// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CPredictApp.h"

#include <QApplication>
#include <QString>
#include <cassert>
#include <utility>

#include "controls/CjkFonts.h"
#include "core/CalendarEdition.h"
#include "shell/ChineseTranslations.h"
#include "shell/DatabaseLocation.h"
#include "shell/FileErrors.h"
#include "shell/MessageBox.h"
#include "shell/OpenHelp.h"
#include "shell/StoreMessages.h"
#include "shell/UserSettings.h"

namespace {

CPredictApp* currentApp = nullptr;

// Messages said through the sink (ShowMessage) show in a box that waits for OK, in front of whatever window
// is active (none during start-up).
void ShowMessageBox(const std::string& text, const std::string& caption) {
    MessageBox(QString::fromStdString(text), QString::fromStdString(caption), QApplication::activeWindow());
}

}  // namespace

CPredictApp::CPredictApp() : previousSink(SetMessageSink(ShowMessageBox)) {
    assert(currentApp == nullptr && "only one application object at a time");
    currentApp = this;
    QCoreApplication::setApplicationName(QString::fromUtf8(kAppTitle));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.morvint.Quintara"));
    Listen(SayFailedLoad);
}

CPredictApp::~CPredictApp() {
    SetMessageSink(std::move(previousSink));
    if (currentApp == this) {
        currentApp = nullptr;
    }
}

bool CPredictApp::InitInstance(const CommandLine& commandLine) {
    SetCalendarEdition(ChosenCalendarEdition(commandLine));
    // The faces the windows ask for, and Qt's own texts in Chinese.
    InstallCjkFontSubstitutions();
    InstallChineseTranslations();

    random.FillRandomTable();
    // A missing file is reported and the program carries on without a database; without a home folder there
    // is no place for the records at all, and the program ends once the player has read why.
    std::string database = commandLine.database;
    if (database.empty()) {
        const QString chosen = DatabaseFileForStart();
        if (chosen.isEmpty()) {
            ShowMessage(HomeFolderProblem().toStdString(), Messages::kHomeUnusable.caption);
            exitCode = kExitFailure;
            return false;
        }
        database = LocalPath(chosen);
    }
    SayOpenOutcome(OpenDatabase(database));
    // Said once, now: otherwise the player would only learn it from the first prediction that fails to save.
    if (IsDatabaseOpen() && !IsDatabaseWritable()) {
        ShowMessage(FormatText(Messages::kDatabaseReadOnly, QuotedFileName(database).toStdString()),
                    Messages::kDatabaseReadOnly.caption);
    }
    if (const QStringList notices = SettingsNotices(); !notices.isEmpty()) {
        ShowMessage(notices.join(u'\n').toStdString(), Messages::kSettingsFileUnusable.caption);
    }
    state.minDrawDate = COleDateTime(2009, 6, 17);
    LoadPlayer();
    LoadHistory();

    RunMainWindow();
    return false;
}

void CPredictApp::OpenDatabase() {
    SayOpenOutcome(CPredictStore::OpenDatabase(LocalPath(DatabaseFileForStart())));
}

void CPredictApp::SayOpenOutcome(OpenOutcome outcome) {
    if (const MessageText* said = MessageFor(outcome)) {
        ShowMessage(*said);
    }
}

void CPredictApp::OpenHelp(int kind) {
    ::OpenHelp(kind);
}
