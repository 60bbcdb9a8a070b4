// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program's own files lie: the pictures, the sound, the help documents and the database a new
// player starts from. A portable folder and the build's bin/ keep them beside the executable; an installed
// program keeps them in its data folder (../share/morvint from the executable). The current directory plays
// no part, so the program starts the same from any folder.
#include <QString>

struct ProgramFilesLocation {
    QString folder;
    // True for a folder of the program's own (portable, build tree); false for an installed data folder that
    // every user of the machine shares.
    bool own = true;
};

// The location for an executable in executableDir: its own folder when that holds the pictures, else the
// installed data folder when there is one, else its own folder (where nothing will be found).
ProgramFilesLocation FindProgramFiles(const QString& executableDir);

// The location of this run: found from the executable's folder on first use, unless set below.
ProgramFilesLocation ProgramFiles();
QString ProgramFilesFolder();
// A file of that folder; an absolute name is returned as it is.
QString ProgramFilePath(const QString& name);

// Makes folder the program files folder of this run (tests, the tour, the benchmarks), by default as a folder
// of the program's own; an empty folder goes back to finding it. Returns the folder set before, empty when
// none was.
QString SetProgramFilesFolder(const QString& folder, bool own = true);
