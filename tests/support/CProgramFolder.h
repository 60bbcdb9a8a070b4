// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A program folder of its own for a test that runs the whole program: the build's pictures, sound and help
// linked into a fresh temporary folder, and a new morvint.db, as a fresh portable folder has them.
#include <QString>
#include <QTemporaryDir>
#include <array>
#include <string>

#include "core/COleDateTime.h"

class CProgramFolder {
public:
    CProgramFolder();

    bool IsValid() const { return error.isEmpty(); }
    QString Error() const { return error; }
    QString Path() const { return folder.path(); }
    QString FilePath(const QString& name) const;
    std::string DatabasePath() const;

    // Saves a prediction into the folder's database, as the program does; false when that failed.
    bool SavePrediction(const COleDateTime& drawDate, const std::string& issue,
                        const std::array<std::string, 8>& codes);

private:
    QTemporaryDir folder;
    QString error;
};
