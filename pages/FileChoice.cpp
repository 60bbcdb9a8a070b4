// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/FileChoice.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "shell/DatabaseLocation.h"
#include "shell/FileErrors.h"
#include "shell/MessageBox.h"
#include "store/CPredictStore.h"

namespace {

// The folder of the last file a dialog gave back: where the user's files are, this run at least.
QString& LastFolder() {
    static QString folder;
    return folder;
}

// A file the user chose, with the name refused or not: its folder is where the next dialog opens.
void RememberFolderOf(const QString& file) {
    if (!file.isEmpty()) {
        LastFolder() = QFileInfo(file).absolutePath();
    }
}

// The program's own database, its journal and its safety copies are never written over; said as soon as
// the dialog closes, before any work is done.
bool MayWriteOver(const CPredictStore& store, const QString& file, QWidget* parent) {
    const QString refusal = ProtectedFileText(store.DatabasePath(), LocalPath(file));
    if (refusal.isEmpty()) {
        return true;
    }
    MessageBox(refusal, CaptionOf(Messages::kIsTheDatabase), parent, QMessageBox::Warning);
    return false;
}

}  // namespace

QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

QString StartFolder(const QString& fallback) {
    if (!LastFolder().isEmpty() && QDir(LastFolder()).exists()) {
        return LastFolder();
    }
    return !fallback.isEmpty() && QDir(fallback).exists() ? fallback : DocumentsFolder();
}

bool IsRepresentable(const QString& file, QWidget* parent) {
    if (!file.contains(QChar::ReplacementCharacter)) {
        return true;
    }
    MessageBox(TextOf(Messages::kFileNameNotUtf8).arg(file), CaptionOf(Messages::kFileNameNotUtf8), parent,
               QMessageBox::Warning);
    return false;
}

QString ChooseFileToWrite(const CPredictStore& store, QWidget* parent, const QString& caption,
                          const QString& suggestedName, const QString& filter) {
    const QString file =
        QFileDialog::getSaveFileName(parent, caption, QDir(StartFolder()).filePath(suggestedName), filter);
    RememberFolderOf(file);
    return file.isEmpty() || !IsRepresentable(file, parent) || !MayWriteOver(store, file, parent) ? QString()
                                                                                                  : file;
}

QString ChooseFileToRead(QWidget* parent, const QString& caption, const QString& filter,
                         const QString& fallback) {
    const QString file = QFileDialog::getOpenFileName(parent, caption, StartFolder(fallback), filter);
    RememberFolderOf(file);
    return file.isEmpty() || !IsRepresentable(file, parent) ? QString() : file;
}
