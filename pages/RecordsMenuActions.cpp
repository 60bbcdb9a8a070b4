// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/RecordsMenuActions.h"

#include <QDate>

#include "pages/CArchiveDlg.h"
#include "pages/CStatisticsDlg.h"
#include "pages/FileChoice.h"
#include "shell/Backups.h"
#include "shell/DatabaseLocation.h"
#include "shell/DrawImportSummary.h"
#include "shell/FileErrors.h"
#include "shell/MessageBox.h"
#include "shell/RecordsFiles.h"
#include "shell/UserSettings.h"
#include "store/CPredictStore.h"
#include "store/DrawImport.h"

namespace {

// Refused lines the import's message lists before Messages::kMoreRefused.
constexpr std::size_t kRefusalGroupsShown = 20;

// Writes the records with export to the file the user picks, and says how it went in box, whose caption
// names the file dialog too.
void ExportFromMenu(CPredictStore& store, QWidget* parent, const MessageText& box,
                    const QString& suggestedName, const QString& filter,
                    bool (*write)(const CPredictStore&, const std::string&, QString&)) {
    const QString file = ChooseFileToWrite(store, parent, CaptionOf(box), suggestedName, filter);
    if (file.isEmpty()) {
        return;
    }
    store.RefreshIfChanged();
    QString message;
    if (!write(store, LocalPath(file), message)) {
        MessageBox(message, CaptionOf(Messages::kExportFailed), parent, QMessageBox::Warning);
        return;
    }
    MessageBox(TextOf(box).arg(message), CaptionOf(box), parent);
}

}  // namespace

// Everything there is by default, the archive first; the window switches to the history alone. The archive
// is counted as it is read, one record at a time: years of records never lie in memory together. An archive
// that cannot be read is left out whole, as the message says, not counted up to the record that failed.
void OpenStatistics(CPredictStore& store, QWidget* parent) {
    store.RefreshIfChanged();
    const LedgerPrices prices = LedgerPricesSetting();
    StatisticsFigures all;
    int archived = 0;
    if (!store.ReadArchive([&](const ArchivedRecord& record) {
            AddToFigures(all, record.record, prices);
            ++archived;
        })) {
        MessageBox(Messages::kArchiveUnreadableForStatistics, parent, QMessageBox::Warning);
        all = {};
        archived = 0;
    }
    StatisticsFigures current;
    for (const HistoryRecord& record : store.ListedRecords()) {
        AddToFigures(all, record, prices);
        AddToFigures(current, record, prices);
    }
    CStatisticsDlg dialog(std::move(all), std::move(current), archived, prices, parent);
    dialog.DoModal();
}

void OpenArchive(CPredictStore& store, QWidget* parent) {
    store.RefreshIfChanged();
    CArchiveDlg dialog(store, parent);
    if (!dialog.IsReadable()) {
        MessageBox(Messages::kArchiveUnreadable, parent, QMessageBox::Warning);
        return;
    }
    dialog.DoModal();
}

void ExportRecordsFromMenu(CPredictStore& store, QWidget* parent) {
    ExportFromMenu(store, parent, Messages::kCsvExportBox, QStringLiteral("预测记录.csv"),
                   QStringLiteral("CSV 文件 (*.csv)"), &ExportRecords);
}

void ExportWorkbookFromMenu(CPredictStore& store, QWidget* parent) {
    ExportFromMenu(store, parent, Messages::kWorkbookExportBox, QStringLiteral("预测记录.xlsx"),
                   QStringLiteral("Excel 表格 (*.xlsx)"), &ExportWorkbook);
}

bool ImportDrawsFromMenu(CPredictStore& store, QWidget* parent) {
    const QString file = ChooseFileToRead(parent, CaptionOf(Messages::kImportTally),
                                          QStringLiteral("开奖号码 (*.txt *.csv);;所有文件 (*)"));
    if (file.isEmpty()) {
        return false;
    }
    std::string bytes;
    QString error;
    if (!ReadDrawsFile(LocalPath(file), bytes, error)) {
        MessageBox(TextOf(Messages::kImportFailedBox).arg(error), CaptionOf(Messages::kImportFailedBox),
                   parent, QMessageBox::Warning);
        return false;
    }
    store.RefreshIfChanged();
    // The safety copy comes right before the first write: a file that changes nothing takes none.
    const DrawImportReport report =
        ImportDraws(store, bytes, [&error, &store] { return TakeSafetyCopy(store, error); });
    if (report.notReady) {
        MessageBox(error, CaptionOf(Messages::kSafetyCopyFailed), parent, QMessageBox::Warning);
        return false;
    }
    // A screenful at most; the whole list goes into the details, where it can be read and copied.
    MessageBox(QString::fromStdString(DrawImportSummary(report, kRefusalGroupsShown)),
               CaptionOf(Messages::kImportTally), parent, QMessageBox::NoIcon,
               report.refused.empty() ? QString() : QString::fromStdString(DrawImportRefusals(report)));
    return report.entered > 0;
}

void BackUpFromMenu(const CPredictStore& store, QWidget* parent) {
    const QString name =
        QStringLiteral("morvint-备份-%1.db").arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    const QString file = ChooseFileToWrite(store, parent, CaptionOf(Messages::kBackedUp), name,
                                           QStringLiteral("数据库 (*.db)"));
    if (file.isEmpty()) {
        return;
    }
    QString message;
    const bool done = BackUpDatabase(store, LocalPath(file), message);
    MessageBox(message, CaptionOf(done ? Messages::kBackedUp : Messages::kBackupFailed), parent,
               done ? QMessageBox::NoIcon : QMessageBox::Warning);
}

bool RestoreFromMenu(CPredictStore& store, QWidget* parent) {
    CPredictStore& app = store;
    const QString backups = QString::fromStdString(SafetyCopyFolder(app.DatabasePath()));
    // A backup the user made this run is where the last dialog left off; before any, the safety copies.
    const QString file = ChooseFileToRead(parent, CaptionOf(Messages::kRestoreQuestion),
                                          QStringLiteral("数据库 (*.db);;所有文件 (*)"), backups);
    if (file.isEmpty()) {
        return false;
    }
    const std::string path = LocalPath(file);
    if (const QString refusal = BackupRefusalText(app, path); !refusal.isEmpty()) {
        MessageBox(refusal + TextOf(Messages::kDatabaseUnchanged), CaptionOf(Messages::kDatabaseUnchanged),
                   parent, QMessageBox::Warning);
        return false;
    }
    const QString question =
        TextOf(Messages::kRestoreQuestion).arg(QuotedFileName(path), QuotedFileName(backups.toStdString()));
    if (!AskQuestion(question, CaptionOf(Messages::kRestoreQuestion), QStringLiteral("恢复"), parent)) {
        return false;
    }
    QString message;
    const bool restored = RestoreDatabase(app, path, message);
    MessageBox(message, CaptionOf(restored ? Messages::kRestored : Messages::kRestoreWriteFailed), parent,
               restored ? QMessageBox::NoIcon : QMessageBox::Warning);
    return restored;
}
