// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's three help documents, kept with its pictures in the program files folder
// (controls/ProgramFiles.h).
#include <QString>
#include <functional>

// The document of kind: 0 "help.html", 1 "help_yuce.html", 2 "help_yunqi.html", in the program files folder.
// Any other kind names the folder itself, which opens nothing.
QString HelpFilePath(int kind);

// Shows the document of kind in the help window; a document that is not there opens nothing and says nothing.
void OpenHelp(int kind);

// What a help button is handed to open the document of kind: the main window hands the application's
// OpenHelp, a test may hand anything that records the kind.
using HelpOpener = std::function<void(int kind)>;
