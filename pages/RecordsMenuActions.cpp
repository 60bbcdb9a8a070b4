#include "pages/RecordsMenuActions.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include "pages/CStatisticsDlg.h"
#include "shell/CPredictApp.h"
#include "shell/DatabaseLocation.h"
#include "shell/DrawImportSummary.h"
#include "shell/MessageBox.h"
#include "shell/RecordsFiles.h"
#include "store/DrawImport.h"

namespace {

// Refused lines the import's message lists before "……另有 N 行被拒绝。".
constexpr std::size_t kRefusalGroupsShown = 20;

// The user's documents folder, where spreadsheets usually live; the home folder when there is none.
QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

}  // namespace

void OpenStatistics(QWidget* parent) {
    theApp().RefreshIfChanged();
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
    theApp().RefreshIfChanged();
    QString message;
    if (!ExportRecords(theApp(), LocalPath(file), message)) {
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
    std::string bytes;
    QString error;
    if (!ReadDrawsFile(LocalPath(file), bytes, error)) {
        MessageBox(error, QStringLiteral("导入失败"), parent, QMessageBox::Warning);
        return false;
    }
    theApp().RefreshIfChanged();
    const DrawImportReport report = ImportDraws(theApp(), bytes);
    // A screenful at most; the whole list goes into the details, where it can be read and copied.
    MessageBox(QString::fromStdString(DrawImportSummary(report, kRefusalGroupsShown)),
               QStringLiteral("导入开奖号码"), parent, QMessageBox::NoIcon,
               report.refused.empty() ? QString() : QString::fromStdString(DrawImportRefusals(report)));
    return report.entered > 0;
}
