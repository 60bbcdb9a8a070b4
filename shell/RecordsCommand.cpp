#include "shell/RecordsCommand.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

#include "core/MessageSink.h"
#include "shell/DatabaseLocation.h"
#include "shell/RecordsFiles.h"
#include "store/CPredictStore.h"
#include "store/DrawImport.h"

namespace {

void SayError(const std::string& text) {
    std::fprintf(stderr, "morvint：%s\n", text.c_str());
}

// The store's own messages ("连接数据库失败!", "保存失败!") go to the terminal, and are counted.
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

// The file named on the command line (which must exist), or the one a start would open.
QString DatabaseFor(const CommandLine& commandLine) {
    return commandLine.database.empty() ? DatabaseFileForStart()
                                        : QFile::decodeName(commandLine.database.c_str());
}

int Export(const CPredictStore& store, const CommandLine& commandLine) {
    QString message;
    if (!ExportRecords(store, QFile::decodeName(commandLine.exportCsv.c_str()), message)) {
        SayError(message.toStdString());
        return kExitFailure;
    }
    std::printf("%s\n", message.toStdString().c_str());
    return 0;
}

int Import(CPredictStore& store, const CommandLine& commandLine) {
    std::string text;
    QString error;
    if (!ReadDrawsFile(QFile::decodeName(commandLine.importDraws.c_str()), text, error)) {
        SayError(error.toStdString());
        return kExitFailure;
    }
    const DrawImportReport report = ImportDraws(store, text);
    std::printf("%s\n", DrawImportSummary(report, report.refused.size()).c_str());
    return report.refused.empty() && report.failedLine == 0 ? 0 : kExitFailure;
}

}  // namespace

int RunRecordsCommand(const CommandLine& commandLine) {
    QCoreApplication::setApplicationName(QString::fromUtf8(kAppTitle));
    TerminalMessages messages;
    CPredictStore store;
    store.OpenDatabase(QFile::encodeName(DatabaseFor(commandLine)).toStdString());
    store.LoadHistory();
    if (messages.count != 0) {
        return kExitFailure;
    }
    return commandLine.exportCsv.empty() ? Import(store, commandLine) : Export(store, commandLine);
}
