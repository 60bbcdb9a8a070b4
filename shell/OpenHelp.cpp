// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/OpenHelp.h"

#include <QDir>

#include "controls/ProgramFiles.h"
#include "shell/CHelpWindow.h"

QString HelpFilePath(int kind) {
    QString name;
    switch (kind) {
        case 0:
            name = QStringLiteral("help.html");
            break;
        case 1:
            name = QStringLiteral("help_yuce.html");
            break;
        case 2:
            name = QStringLiteral("help_yunqi.html");
            break;
        default:
            break;
    }
    return QDir(ProgramFilesFolder()).filePath(name);
}

void OpenHelp(int kind) {
    CHelpWindow::Show(HelpFilePath(kind));
}
