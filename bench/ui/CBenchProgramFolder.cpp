// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/ui/CBenchProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <string>
#include <vector>

#include "core/COleDateTime.h"
#include "store/CColumnValue.h"
#include "store/CSqliteConnection.h"
#include "tests/support/HistoryRowSql.h"
#include "tools/emptydb/EmptyDatabase.h"

namespace {

// A history row: codes that vary from row to row; every seventh draw hit one of them, the rest missed, and
// the last 40 wait for their draw.
HistoryRowSql HistoryRow(int order, int records) {
    const COleDateTime date = COleDateTime::FromOleDate(COleDateTime(2009, 6, 17, 20, 30, 0).GetOleDate() +
                                                        static_cast<double>(order - 1));
    HistoryRowSql row{
        .order = order, .date = CColumnValue::FormatDate(date), .openOrder = std::to_string(2009160 + order)};
    char code[16];
    for (int k = 0; k < 8; ++k) {
        std::snprintf(code, sizeof code, "%03d", (order * 37 + k * 113) % 1000);
        row.codes[static_cast<std::size_t>(k)] = code;
    }
    const bool pending = order > records - 40;
    const int hit = order % 7 == 0 ? 1 + order % 8 : 0;
    if (!pending) {
        std::snprintf(code, sizeof code, "%03d",
                      hit != 0 ? (order * 37 + (hit - 1) * 113) % 1000 : 999 - order);
        row.openData = code;
        row.isRight = hit;
    }
    return row;
}

}  // namespace

CBenchProgramFolder::CBenchProgramFolder(int records) {
    valid = folder.isValid() && LinkProgramFiles() && WriteDatabase(records);
}

// Pictures are read on every paint: they are linked, not copied, but read from this folder as the program
// reads them from its own.
bool CBenchProgramFolder::LinkProgramFiles() {
    const QDir programDir(QStringLiteral(MORVINT_PROGRAM_DIR));
    const QStringList files = programDir.entryList(QDir::Files);
    for (const QString& name : files) {
        // Not the executable and the build's own database; the plugins (morvint_sound.so, …) are linked, so
        // that the chime of the exit benchmark plays as the program's does.
        if (name == QStringLiteral("morvint") || name.startsWith(QStringLiteral("morvint.db"))) {
            continue;
        }
        if (!QFile::link(programDir.filePath(name), QDir(folder.path()).filePath(name))) {
            error = QStringLiteral("cannot link ") + name;
            return false;
        }
    }
    if (!QFileInfo::exists(QDir(folder.path()).filePath(QStringLiteral("main.ggr")))) {
        error = QStringLiteral("no pictures in " MORVINT_PROGRAM_DIR "; build the program first");
        return false;
    }
    return true;
}

bool CBenchProgramFolder::WriteDatabase(int records) {
    const std::string path = QDir(folder.path()).filePath(QStringLiteral("morvint.db")).toStdString();
    std::string why;
    if (!WriteEmptyDatabase(path, why)) {
        error = QString::fromStdString(why);
        return false;
    }
    std::vector<HistoryRowSql> rows;
    for (int order = 1; order <= records; ++order) {
        rows.push_back(HistoryRow(order, records));
    }
    const std::string script = "BEGIN;\n" + InsertHistorySql(rows) +
                               ";\nUPDATE player SET name = '李明', sex = '小姐', shuxiang = '兔', yunqi = "
                               "'8A012345654321';\nCOMMIT;\n";
    CSqliteConnection connection;
    if (!connection.OpenExisting(path) || !connection.Execute(script.c_str())) {
        error = QStringLiteral("cannot fill ") + QString::fromStdString(path);
        return false;
    }
    return true;
}
