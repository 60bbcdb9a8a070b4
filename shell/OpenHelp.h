#pragma once
// The program's three help documents, kept in the program's own folder so that help opens whatever the
// current directory is.
#include <QString>

// The document of kind: 0 "help.html", 1 "help_yuce.html", 2 "help_yunqi.html", in the program's folder.
// Any other kind names the folder itself, which opens nothing.
QString HelpFilePath(int kind);

// Shows the document of kind in the help window; a document that is not there opens nothing and says nothing.
void OpenHelp(int kind);
