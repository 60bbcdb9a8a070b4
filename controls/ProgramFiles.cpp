// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <optional>

// The installed data folder as seen from the folder of the installed executable; the build computes it from
// the install directories it was configured with.
#ifndef MORVINT_FILES_FROM_BINDIR
#define MORVINT_FILES_FROM_BINDIR "../share/morvint"
#endif

namespace {

std::optional<ProgramFilesLocation>& SetLocation() {
    static std::optional<ProgramFilesLocation> location;
    return location;
}

}  // namespace

ProgramFilesLocation FindProgramFiles(const QString& executableDir) {
    const QDir own(executableDir);
    // The main window's background is in every complete program folder.
    if (own.exists(QStringLiteral("main.ggr"))) {
        return {own.absolutePath(), true};
    }
    const QString installed =
        QDir::cleanPath(own.absoluteFilePath(QStringLiteral(MORVINT_FILES_FROM_BINDIR)));
    if (QFileInfo(installed).isDir()) {
        return {installed, false};
    }
    return {own.absolutePath(), true};
}

ProgramFilesLocation ProgramFiles() {
    if (const std::optional<ProgramFilesLocation>& set = SetLocation()) {
        return *set;
    }
    // Looked up once: every paint asks for a file.
    static const ProgramFilesLocation found = FindProgramFiles(QCoreApplication::applicationDirPath());
    return found;
}

QString ProgramFilesFolder() {
    return ProgramFiles().folder;
}

QString ProgramFilePath(const QString& name) {
    if (QFileInfo(name).isAbsolute()) {
        return name;
    }
    return QDir(ProgramFilesFolder()).filePath(name);
}

QString SetProgramFilesFolder(const QString& folder, bool own) {
    std::optional<ProgramFilesLocation>& set = SetLocation();
    QString previous = set ? set->folder : QString();
    if (folder.isEmpty()) {
        set.reset();
    } else {
        set = ProgramFilesLocation{QDir(folder).absolutePath(), own};
    }
    return previous;
}
