// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which database file a start opens, and how a player's own file is first made from the template. The shell
// names the places (it knows the folders); nothing here shows a message: a file that cannot be had is found
// out when the store opens it (Messages::kConnectFailed).
#include <string>

struct DatabasePlaces {
    // "morvint.db" in the program files folder: the database of a portable folder, else the template.
    std::string programFile;
    // True when that folder is the program's own (portable, build tree). An installed data folder is shared
    // by every user and is never written, not even by root: a package upgrade would replace the file.
    bool programFolderIsOwn = true;
    // "morvint.db" in the user's data folder; empty when the user has none.
    std::string userFile;
};

// The file to open: programFile when the folder is the program's own and the file is there, whether or not it
// can be written: a portable folder's database is the player's, and saving elsewhere without a word would
// split the records in two (the program says at start that it cannot be written). Otherwise userFile, made
// from programFile first when it is not there yet; an existing userFile is never touched. With no userFile,
// programFile.
std::string ChooseDatabaseFile(const DatabasePlaces& places);

enum class TemplateCopy { Copied, AlreadyThere, Failed };

// Gives path the content of templateFile, unless something is already there: the copy is written under a
// temporary name in the same folder and then linked into place, which fails if the name was taken meanwhile,
// so an existing file is never replaced. Missing folders are made, private to the user; the copy may be
// written by its owner whatever the template's permissions. On failure nothing is left behind and error says
// why.
TemplateCopy CopyDatabaseTemplate(const std::string& templateFile, const std::string& path,
                                  std::string& error);
