#include "pages/RecordsMenuActions.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>

#include "pages/CArchiveDlg.h"
#include "pages/CStatisticsDlg.h"
#include "pages/FileChoice.h"
#include "shell/Backups.h"
#include "shell/CPredictApp.h"
#include "shell/DatabaseLocation.h"
#include "shell/DrawImportSummary.h"
#include "shell/FileErrors.h"
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

void OpenArchive(QWidget* parent) {
    CPredictApp& app = theApp();
    app.RefreshIfChanged();
    std::vector<ArchivedRecord> archive;
    if (!app.LoadArchive(archive)) {
        MessageBox(QStringLiteral("无法读取归档的记录。"), QStringLiteral("查看归档"), parent,
                   QMessageBox::Warning);
        return;
    }
    CArchiveDlg dialog(std::move(archive), parent);
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
    if (!TakeSafetyCopy(theApp(), error)) {
        MessageBox(error, QStringLiteral("无法备份"), parent, QMessageBox::Warning);
        return false;
    }
    const DrawImportReport report = ImportDraws(theApp(), bytes);
    // A screenful at most; the whole list goes into the details, where it can be read and copied.
    MessageBox(QString::fromStdString(DrawImportSummary(report, kRefusalGroupsShown)),
               QStringLiteral("导入开奖号码"), parent, QMessageBox::NoIcon,
               report.refused.empty() ? QString() : QString::fromStdString(DrawImportRefusals(report)));
    return report.entered > 0;
}

void BackUpFromMenu(QWidget* parent) {
    const QString name =
        QStringLiteral("morvint-备份-%1.db").arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    const QString file =
        ChooseFileToWrite(parent, QStringLiteral("备份数据"), name, QStringLiteral("数据库 (*.db)"));
    if (file.isEmpty()) {
        return;
    }
    QString message;
    const bool done = BackUpDatabase(theApp(), LocalPath(file), message);
    MessageBox(message, done ? QStringLiteral("备份数据") : QStringLiteral("备份失败"), parent,
               done ? QMessageBox::NoIcon : QMessageBox::Warning);
}

bool RestoreFromMenu(QWidget* parent) {
    CPredictApp& app = theApp();
    const QString backups = QString::fromStdString(SafetyCopyFolder(app.DatabasePath()));
    const QString file = QFileDialog::getOpenFileName(parent, QStringLiteral("恢复数据"),
                                                      QDir(backups).exists() ? backups : DocumentsFolder(),
                                                      QStringLiteral("数据库 (*.db);;所有文件 (*)"));
    if (file.isEmpty() || !IsRepresentable(file, parent)) {
        return false;
    }
    const std::string path = LocalPath(file);
    if (const QString refusal = BackupRefusalText(path); !refusal.isEmpty()) {
        MessageBox(refusal + QStringLiteral("数据库没有改动。"), QStringLiteral("无法恢复"), parent,
                   QMessageBox::Warning);
        return false;
    }
    const QString question = QStringLiteral(
                                 "将用备份文件%1替换现在的数据库（玩家资料、预测记录和归档）。\r\n"
                                 "替换之前，现在的数据库会先存为安全备份，放在%2。\r\n确定要恢复吗？")
                                 .arg(QuotedFileName(path), QuotedFileName(backups.toStdString()));
    if (!AskQuestion(question, QStringLiteral("恢复数据"), QStringLiteral("恢复"), parent)) {
        return false;
    }
    QString message;
    const bool restored = RestoreDatabase(app, path, message);
    MessageBox(message, restored ? QStringLiteral("恢复数据") : QStringLiteral("无法恢复"), parent,
               restored ? QMessageBox::NoIcon : QMessageBox::Warning);
    return restored;
}
