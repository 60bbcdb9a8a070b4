#include "pages/RecordsMenuActions.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include "pages/CStatisticsDlg.h"
#include "shell/CPredictApp.h"
#include "shell/MessageBox.h"
#include "shell/RecordsFiles.h"
#include "store/DrawImport.h"

namespace {

// The user's documents folder, where spreadsheets usually live; the home folder when there is none.
QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

}  // namespace

void OpenStatistics(QWidget* parent) {
    CStatisticsDlg dialog(ComputeHistoryStatistics(theApp().ListedRecords()), parent);
    dialog.DoModal();
}

void ExportRecordsFromMenu(QWidget* parent) {
    const QString file = QFileDialog::getSaveFileName(
        parent, QStringLiteral("导出为 CSV"),
        QDir(DocumentsFolder()).filePath(QStringLiteral("预测记录.csv")), QStringLiteral("CSV 文件 (*.csv)"));
    if (file.isEmpty()) {
        return;
    }
    QString message;
    if (!ExportRecords(theApp(), file, message)) {
        MessageBox(message, QStringLiteral("导出失败"), parent, QMessageBox::Warning);
        return;
    }
    MessageBox(message, QStringLiteral("导出为 CSV"), parent);
}

bool ImportDrawsFromMenu(QWidget* parent) {
    const QString file =
        QFileDialog::getOpenFileName(parent, QStringLiteral("导入开奖号码"), DocumentsFolder(),
                                     QStringLiteral("开奖号码 (*.txt *.csv);;所有文件 (*)"));
    if (file.isEmpty()) {
        return false;
    }
    std::string text;
    QString error;
    if (!ReadDrawsFile(file, text, error)) {
        MessageBox(error, QStringLiteral("导入失败"), parent, QMessageBox::Warning);
        return false;
    }
    const DrawImportReport report = ImportDraws(theApp(), text);
    MessageBox(QString::fromStdString(DrawImportSummary(report)), QStringLiteral("导入开奖号码"), parent);
    return report.entered > 0;
}
