#include "pages/FileChoice.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include "shell/MessageBox.h"

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

QString ChooseFileToWrite(QWidget* parent, const QString& caption, const QString& suggestedName,
                          const QString& filter) {
    const QString file = QFileDialog::getSaveFileName(
        parent, caption, QDir(DocumentsFolder()).filePath(suggestedName), filter);
    return file.isEmpty() || !IsRepresentable(file, parent) ? QString() : file;
}
