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
    MessageBox(QStringLiteral("文件名“%1”含有无法识别的字符（它不是 UTF-8 编码），本程序无法使用这个文件；"
                              "请改用 UTF-8 编码的文件名。")
                   .arg(file),
               QStringLiteral("文件名无法识别"), parent, QMessageBox::Warning);
    return false;
}

QString ChooseFileToWrite(QWidget* parent, const QString& caption, const QString& suggestedName,
                          const QString& filter) {
    const QString file = QFileDialog::getSaveFileName(
        parent, caption, QDir(DocumentsFolder()).filePath(suggestedName), filter);
    return file.isEmpty() || !IsRepresentable(file, parent) ? QString() : file;
}
