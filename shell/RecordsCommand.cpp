// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/RecordsCommand.h"

#include <unistd.h>

#include <QCoreApplication>
#include <cstdio>

#include "shell/Backups.h"
#include "shell/DatabaseLocation.h"
#include "shell/DrawImportSummary.h"
#include "shell/MessageSink.h"
#include "shell/RecordsFiles.h"
#include "shell/StoreMessages.h"
#include "shell/UserSettings.h"
#include "store/CPredictStore.h"
#include "store/DrawImport.h"

namespace {

void SayError(const std::string& text) {
    std::fprintf(stderr, "%s\n", FormatText(Messages::kTerminalError, text).c_str());
}

// The messages said through the sink (a file that cannot be opened or read) go to the terminal, and are
// counted.
class TerminalMessages {
public:
    TerminalMessages()
        : previous(SetMessageSink([this](const std::string& text, const std::string&) {
              SayError(text);
              ++count;
          })) {}
    ~TerminalMessages() { SetMessageSink(previous); }
    TerminalMessages(const TerminalMessages&) = delete;
    TerminalMessages& operator=(const TerminalMessages&) = delete;

    int count = 0;

private:
    MessageSinkFunction previous;
};

// The file named on the command line (which must exist), or the one a start would open; empty when that
// would be in a home folder there is none of.
std::string DatabaseFor(const CommandLine& commandLine) {
    return commandLine.database.empty() ? LocalPath(DatabaseFileForStart()) : commandLine.database;
}

int Export(const CPredictStore& store, const CommandLine& commandLine) {
    QString message;
    const bool toOutput = commandLine.exportCsv == "-";
    const bool exported = toOutput ? ExportRecordsToStandardOutput(store, message)
                                   : ExportRecords(store, commandLine.exportCsv, message);
    if (!exported) {
        SayError(message.toStdString());
        return kExitFailure;
    }
    // The CSV itself may be on standard output: what was done goes beside it, not into it.
    std::fprintf(toOutput ? stderr : stdout, "%s\n", message.toStdString().c_str());
    return 0;
}

int ExportXlsx(const CPredictStore& store, const CommandLine& commandLine) {
    // The workbook's 统计 sheet counts with the ledger's prices: a setting it had to pass over is said first.
    for (const QString& notice : SettingsNotices()) {
        SayError(notice.toStdString());
    }
    QString message;
    if (!ExportWorkbook(store, commandLine.exportXlsx, message)) {
        SayError(message.toStdString());
        return kExitFailure;
    }
    std::printf("%s\n", message.toStdString().c_str());
    return 0;
}

// The import changes many rows: a safety copy of the database comes right before its first write, once the
// file has been read and its lines checked; a file that changes nothing takes none.
int Import(CPredictStore& store, const CommandLine& commandLine) {
    std::string bytes;
    QString error;
    if (!ReadDrawsFile(commandLine.importDraws, bytes, error)) {
        SayError(error.toStdString());
        return kExitFailure;
    }
    const DrawImportReport report = ImportDraws(store, bytes, [&] { return TakeSafetyCopy(store, error); });
    if (report.notReady) {
        SayError(error.toStdString());
        return kExitFailure;
    }
    std::printf("%s\n", DrawImportSummary(report, report.refused.size()).c_str());
    return report.refused.empty() && report.failedLine == 0 ? 0 : kExitFailure;
}

// "--backup -": the database's bytes into a pipe or a file. On a terminal they would only garble the screen.
int BackupToStandardOutput(const CPredictStore& store) {
    if (::isatty(STDOUT_FILENO) != 0) {
        SayError(Messages::kBackupToTerminal.text);
        return kExitFailure;
    }
    QString message;
    if (!BackUpDatabaseToDescriptor(store, STDOUT_FILENO, message)) {
        SayError(message.toStdString());
        return kExitFailure;
    }
    std::fprintf(stderr, "%s\n", message.toStdString().c_str());
    return 0;
}

// Backup, restore and archive say what they did, or why not.
int Said(bool done, const QString& message) {
    if (!done) {
        SayError(message.toStdString());
        return kExitFailure;
    }
    std::printf("%s\n", message.toStdString().c_str());
    return 0;
}

int RunCommand(CPredictStore& store, const CommandLine& commandLine) {
    QString message;
    if (!commandLine.exportCsv.empty()) {
        return Export(store, commandLine);
    }
    if (!commandLine.exportXlsx.empty()) {
        return ExportXlsx(store, commandLine);
    }
    if (!commandLine.importDraws.empty()) {
        return Import(store, commandLine);
    }
    if (commandLine.backup == "-") {
        return BackupToStandardOutput(store);
    }
    if (!commandLine.backup.empty()) {
        return Said(BackUpDatabase(store, commandLine.backup, message), message);
    }
    if (!commandLine.restore.empty()) {
        return Said(RestoreDatabase(store, commandLine.restore, message), message);
    }
    return Said(ArchiveOldest(store, commandLine.archive, message), message);
}

}  // namespace

int RunRecordsCommand(const CommandLine& commandLine) {
    QCoreApplication::setApplicationName(QString::fromUtf8(kAppTitle));
    const std::string database = DatabaseFor(commandLine);
    if (database.empty()) {
        SayError(HomeFolderProblem().toStdString());
        return kExitFailure;
    }
    TerminalMessages messages;
    CPredictStore store;
    store.Listen(SayFailedLoad);
    if (const MessageText* unopened = MessageFor(store.OpenDatabase(database))) {
        ShowMessage(*unopened);  // and no load: it could only add that it failed
    } else {
        store.LoadHistory();
    }
    if (messages.count != 0) {
        return kExitFailure;
    }
    return RunCommand(store, commandLine);
}
