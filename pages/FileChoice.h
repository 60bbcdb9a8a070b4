// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Choosing the file a command of the pages writes to or reads from.
#include <QString>

class CPredictStore;
class QWidget;

// The user's documents folder, where spreadsheets usually live; the home folder when there is none.
QString DocumentsFolder();

// The folder a file dialog opens in: the folder of the last file a dialog gave back during this run, else
// fallback, else the documents folder. Kept for the run only, never saved.
QString StartFolder(const QString& fallback = QString());

// The file dialog shows a name that is no UTF-8 (a GBK name from an old archive) with U+FFFD in its place:
// such a name would silently become another file, so it is refused, with a message.
bool IsRepresentable(const QString& file, QWidget* parent);

// A file to read, asked for with this caption and filter, starting in StartFolder(fallback); empty when the
// user cancels or the name is refused (with a message).
QString ChooseFileToRead(QWidget* parent, const QString& caption, const QString& filter,
                         const QString& fallback = QString());

// A file to write, asked for with this caption, suggested name (in StartFolder()) and filter; empty
// when the user cancels or the name is refused (with a message), as is the program's own database, its
// journal or a safety copy: those of store.
QString ChooseFileToWrite(const CPredictStore& store, QWidget* parent, const QString& caption,
                          const QString& suggestedName, const QString& filter);
