// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/CProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "shell/MessageSink.h"
#include "store/CPredictStore.h"
#include "tests/support/StoreRecords.h"
#include "tools/emptydb/EmptyDatabase.h"

CProgramFolder::CProgramFolder() {
    if (!folder.isValid()) {
        error = QStringLiteral("no temporary folder");
        return;
    }
    // The executable and the build's own database stay behind: the program here is the test itself.
    const QDir programDir(QStringLiteral(MORVINT_PROGRAM_DIR));
    for (const QString& name : programDir.entryList(QDir::Files)) {
        if (!name.startsWith(QStringLiteral("morvint")) &&
            !QFile::link(programDir.filePath(name), FilePath(name))) {
            error = QStringLiteral("cannot link ") + name;
            return;
        }
    }
    if (!QFileInfo::exists(FilePath(QStringLiteral("main.ggr")))) {
        error = QStringLiteral("no pictures in " MORVINT_PROGRAM_DIR);
        return;
    }
    std::string why;
    if (!WriteEmptyDatabase(DatabasePath(), why)) {
        error = QString::fromStdString(why);
    }
}

QString CProgramFolder::FilePath(const QString& name) const {
    return QDir(folder.path()).filePath(name);
}

std::string CProgramFolder::DatabasePath() const {
    return FilePath(QStringLiteral("morvint.db")).toStdString();
}

bool CProgramFolder::SavePrediction(const COleDateTime& drawDate, const std::string& issue,
                                    const std::array<std::string, 8>& codes) {
    bool reported = false;
    const MessageSinkFunction previous =
        SetMessageSink([&reported](const std::string&, const std::string&) { reported = true; });
    bool saved = false;
    {
        CPredictStore store;
        if (store.OpenDatabase(DatabasePath()) != OpenOutcome::opened) {
            reported = true;
        }
        store.LoadHistory();
        saved = SaveRecord(store, drawDate, issue, codes);
    }
    SetMessageSink(previous);
    return saved && !reported;
}
