#include "pages/RecordsMenuActions.h"

#include <QFileDialog>

#include "pages/CStatisticsDlg.h"
#include "pages/FileChoice.h"
#include "shell/CPredictApp.h"
#include "shell/DatabaseLocation.h"
#include "shell/DrawImportSummary.h"
#include "shell/MessageBox.h"
#include "shell/RecordsFiles.h"
#include "shell/UserSettings.h"
#include "store/DrawImport.h"

namespace {

// Refused lines the import's message lists before "……另有 N 行被拒绝。".
constexpr std::size_t kRefusalGroupsShown = 20;

// Writes the records with export to the file the user picks, and says how it went.
void ExportFromMenu(QWidget* parent, const QString& caption, const QString& suggestedName,
                    const QString& filter,
                    bool (*write)(const CPredictStore&, const std::string&, QString&)) {
    const QString file = ChooseFileToWrite(parent, caption, suggestedName, filter);
    if (file.isEmpty()) {
        return;
    }
    theApp().RefreshIfChanged();
    QString message;
    if (!write(theApp(), LocalPath(file), message)) {
        MessageBox(message, QStringLiteral("导出失败"), parent, QMessageBox::Warning);
        return;
    }
    MessageBox(message, caption, parent);
}

}  // namespace

// Everything there is by default, the archive first; the window switches to the history alone.
void OpenStatistics(QWidget* parent) {
    CPredictApp& app = theApp();
    app.RefreshIfChanged();
    std::vector<HistoryRecord> all;
    int archived = 0;
    if (!app.AllRecords(all, archived)) {
        MessageBox(QStringLiteral("无法读取归档的记录，下面只统计当前的预测记录。"), QStringLiteral("统计"),
                   parent, QMessageBox::Warning);
    }
    const LedgerPrices prices = LedgerPricesSetting();
    CStatisticsDlg dialog(ComputeStatisticsFigures(all, prices),
                          ComputeStatisticsFigures(app.ListedRecords(), prices), archived, prices, parent);
    dialog.DoModal();
}

void ExportRecordsFromMenu(QWidget* parent) {
    ExportFromMenu(parent, QStringLiteral("导出为 CSV"), QStringLiteral("预测记录.csv"),
                   QStringLiteral("CSV 文件 (*.csv)"), &ExportRecords);
}

void ExportWorkbookFromMenu(QWidget* parent) {
    ExportFromMenu(parent, QStringLiteral("导出为 Excel 表格"), QStringLiteral("预测记录.xlsx"),
                   QStringLiteral("Excel 表格 (*.xlsx)"), &ExportWorkbook);
}

bool ImportDrawsFromMenu(QWidget* parent) {
    const QString file =
        QFileDialog::getOpenFileName(parent, QStringLiteral("导入开奖号码"), DocumentsFolder(),
                                     QStringLiteral("开奖号码 (*.txt *.csv);;所有文件 (*)"));
    if (file.isEmpty() || !IsRepresentable(file, parent)) {
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
