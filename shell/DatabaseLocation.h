// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program keeps its database. A portable folder (or the build's bin/) keeps "morvint.db" beside its
// pictures, as long as the file can be written there. Otherwise every user has a file of their own in the
// data folder of the desktop (normally ~/.local/share/morvint/morvint.db), made on the first start from the
// template installed with the pictures. --database names any other file.
#include <QString>
#include <string>

// "morvint.db" in the user's data folder (QStandardPaths::AppDataLocation of the application "morvint");
// empty when there is none: $XDG_DATA_HOME is not set and $HOME is not an absolute path.
QString UserDatabaseFile();

// The file a start without --database opens; the user's file is made from the template if it has to be.
// Empty when the player's records belong in the user's data folder and there is none (HomeFolderProblem says
// why): the start must not fall back on "/" or the current folder, as Qt would for such a home.
QString DatabaseFileForStart();

// The folder $XDG_<variable> names, else underHome in the home folder ("~/.config"); empty when neither is
// an absolute path (no $HOME, an empty or a relative one).
QString XdgFolder(const char* variable, const char* underHome);

// Why the home folder cannot be used, as a whole sentence (Messages::kHomeUnusable); empty when $HOME is an
// absolute path.
QString HomeFolderProblem();

// A path as the file system names it (the bytes the store and the system calls take).
std::string LocalPath(const QString& path);

// Forgets $XDG_DATA_HOME, $XDG_CONFIG_HOME, $XDG_STATE_HOME and $XDG_CACHE_HOME when they hold a relative
// path: the XDG base directory rules say such a value is invalid and must be ignored, or the player's data
// would land in whatever folder the program happened to be started from. Called first thing at start.
void IgnoreRelativeXdgFolders();
