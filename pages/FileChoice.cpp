#include "pages/FileChoice.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include "shell/DatabaseLocation.h"
#include "shell/FileErrors.h"
#include "shell/MessageBox.h"
#include "store/CPredictStore.h"

namespace {

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
    const QString file = QFileDialog::getSaveFileName(
        parent, caption, QDir(DocumentsFolder()).filePath(suggestedName), filter);
    return file.isEmpty() || !IsRepresentable(file, parent) || !MayWriteOver(store, file, parent) ? QString()
                                                                                                  : file;
}
