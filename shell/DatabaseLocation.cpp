#include "shell/DatabaseLocation.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "controls/ProgramFiles.h"
#include "store/DatabaseFile.h"

namespace {

constexpr const char* kDatabaseName = "morvint.db";

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace

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
