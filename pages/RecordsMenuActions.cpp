#include "pages/RecordsMenuActions.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include "pages/CArchiveDlg.h"
#include "pages/CStatisticsDlg.h"
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

// The user's documents folder, where spreadsheets usually live; the home folder when there is none.
QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

// The file dialog shows a name that is no UTF-8 (a GBK name from an old archive) with U+FFFD in its place:
// such a name would silently become another file, so it is refused.
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
    const QString file = QFileDialog::getSaveFileName(
        parent, QStringLiteral("导出为 CSV"),
        QDir(DocumentsFolder()).filePath(QStringLiteral("预测记录.csv")), QStringLiteral("CSV 文件 (*.csv)"));
    if (file.isEmpty() || !IsRepresentable(file, parent)) {
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
        QFileDialog::getSaveFileName(parent, QStringLiteral("备份数据"),
                                     QDir(DocumentsFolder()).filePath(name), QStringLiteral("数据库 (*.db)"));
    if (file.isEmpty() || !IsRepresentable(file, parent)) {
        return;
    }
    QString message;
    if (!BackUpDatabase(theApp(), LocalPath(file), message)) {
        MessageBox(message, QStringLiteral("备份失败"), parent, QMessageBox::Warning);
        return;
    }
    MessageBox(message, QStringLiteral("备份数据"), parent);
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
