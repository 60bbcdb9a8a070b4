#include "shell/DatabaseLocation.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "controls/ProgramFiles.h"
#include "store/DatabaseFile.h"

namespace {

constexpr const char* kDatabaseName = "morvint.db";

}  // namespace

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString UserDatabaseFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QLatin1String(kDatabaseName));
}

QString DatabaseFileForStart() {
    const ProgramFilesLocation files = ProgramFiles();
    DatabasePlaces places;
    places.programFile = LocalPath(QDir(files.folder).filePath(QLatin1String(kDatabaseName)));
    places.programFolderIsOwn = files.own;
    const QString userFile = UserDatabaseFile();
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
