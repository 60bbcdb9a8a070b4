// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/PluginFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#ifndef MORVINT_PLUGINS_FROM_BINDIR
#define MORVINT_PLUGINS_FROM_BINDIR "../lib/morvint"
#endif

namespace {

QStringList& FolderOverride() {
    static QStringList folders;
    return folders;
}

}  // namespace

QStringList PluginFolders() {
    if (!FolderOverride().isEmpty()) {
        return FolderOverride();
    }
    const QString own = QCoreApplication::applicationDirPath();
    return {own, QDir::cleanPath(QDir(own).filePath(QStringLiteral(MORVINT_PLUGINS_FROM_BINDIR)))};
}

void SetPluginFolders(const QStringList& folders) {
    FolderOverride() = folders;
}

QString FindPlugin(const QString& fileName) {
    for (const QString& folder : PluginFolders()) {
        const QString path = QDir(folder).filePath(fileName);
        if (QFileInfo::exists(path)) {
            return path;
        }
    }
    return {};
}

QFunctionPointer PluginEntry(const QString& fileName, const char* entry) {
    const QString path = FindPlugin(fileName);
    if (path.isEmpty()) {
        return nullptr;
    }
    QLibrary plugin(path);
    return plugin.resolve(entry);
}
