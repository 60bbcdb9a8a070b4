// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/DatabaseLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "controls/ProgramFiles.h"
#include "shell/FileErrors.h"
#include "shell/QtMessageTexts.h"
#include "store/DatabaseFile.h"

namespace {

constexpr const char* kDatabaseName = "morvint.db";

}  // namespace

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString XdgFolder(const char* variable, const char* underHome) {
    const QByteArray named = qgetenv(variable);
    if (named.startsWith('/')) {
        return QFile::decodeName(named);
    }
    const QByteArray home = qgetenv("HOME");
    return home.startsWith('/') ? QDir(QFile::decodeName(home)).filePath(QLatin1String(underHome))
                                : QString();
}

QString HomeFolderProblem() {
    const QByteArray home = qgetenv("HOME");
    if (home.startsWith('/')) {
        return {};
    }
    const QString why = home.isEmpty()
                            ? TextOf(Messages::kHomeNotSet)
                            : TextOf(Messages::kHomeNotAbsolute).arg(QuotedFileName(home.toStdString()));
    return TextOf(Messages::kHomeUnusable).arg(why);
}

QString UserDatabaseFile() {
    // Qt takes "/" for a missing home and a relative one as it is: the records would land in / or wherever
    // the program happened to be started.
    if (XdgFolder("XDG_DATA_HOME", ".local/share").isEmpty()) {
        return {};
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QLatin1String(kDatabaseName));
}

QString DatabaseFileForStart() {
    const ProgramFilesLocation files = ProgramFiles();
    DatabasePlaces places;
    const QString programFile = QDir(files.folder).filePath(QLatin1String(kDatabaseName));
    places.programFile = LocalPath(programFile);
    places.programFolderIsOwn = files.own;
    const QString userFile = UserDatabaseFile();
    if (userFile.isEmpty() && !(files.own && QFileInfo(programFile).isFile())) {
        return {};
    }
    places.userFile = userFile.isEmpty() ? std::string() : LocalPath(userFile);
    return QFile::decodeName(ChooseDatabaseFile(places).c_str());
}

void IgnoreRelativeXdgFolders() {
    for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty() && !value.startsWith('/')) {
            qunsetenv(variable);
        }
    }
}
