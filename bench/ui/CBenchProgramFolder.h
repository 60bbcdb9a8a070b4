// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A program folder for the benchmarks: the build's pictures, sound and help linked into a fresh temporary
// folder, and a morvint.db holding a history of the given number of predictions (the later ones still
// waiting for their draw, the earlier ones hits and misses), as a player who has used the program for a year
// would have. Removed with the object.
#include <QString>
#include <QTemporaryDir>

class CBenchProgramFolder {
public:
    explicit CBenchProgramFolder(int records);

    bool IsValid() const { return valid; }
    QString Path() const { return folder.path(); }
    // What went wrong when the folder is not valid.
    QString Error() const { return error; }

private:
    bool LinkProgramFiles();
    bool WriteDatabase(int records);

    QTemporaryDir folder;
    bool valid = false;
    QString error;
};
