#include "shell/Backups.h"

#include <vector>

#include "shell/FileErrors.h"
#include "store/CPredictStore.h"
#include "store/DatabaseBackup.h"

namespace {

QString Counts(const CPredictStore& store) {
    std::vector<ArchivedRecord> archive;
    store.LoadArchive(archive);
    return QStringLiteral("预测记录 %1 条，归档 %2 条").arg(store.RecordSlots().size()).arg(archive.size());
}

}  // namespace

bool TakeSafetyCopy(const CPredictStore& store, QString& error) {
    std::string written;
    const FileOutcome outcome = store.WriteSafetyCopy(written);
    if (outcome.Ok()) {
        return true;
    }
    const std::string shown = written.empty() ? SafetyCopyFolder(store.DatabasePath()) : written;
    error = QStringLiteral("无法写入安全备份%1：%2。为了不丢失任何记录，这次改动没有进行。")
                .arg(QuotedFileName(shown), outcome.kind == FileOutcome::Kind::system
                                                ? SystemReason(outcome.error)
                                                : QStringLiteral("这个位置不是普通文件"));
    return false;
}

bool BackUpDatabase(const CPredictStore& store, const std::string& path, QString& message) {
    const FileOutcome outcome = store.BackupTo(path);
    if (!outcome.Ok()) {
        message = QStringLiteral("备份失败：") + ExportFailureText(path, outcome, false).mid(5);
        return false;
    }
    message = QStringLiteral("已把数据库（%1）备份到%2。").arg(Counts(store), QuotedFileName(path));
    return true;
}

QString BackupRefusalText(const std::string& path) {
    const BackupCheck check = CheckBackup(path, CPredictStore::kLayoutVersion);
    const QString file = QuotedFileName(path);
    switch (check.refusal) {
        case BackupRefusal::none:
            return {};
        case BackupRefusal::notRegular:
            return QStringLiteral("%1不是普通文件（而是文件夹、设备或管道等），不能用来恢复。").arg(file);
        case BackupRefusal::unreadable:
            return QStringLiteral("无法读取文件%1：%2。").arg(file, SystemReason(check.error));
        case BackupRefusal::notADatabase:
            return QStringLiteral("文件%1不是数据库文件，不能用来恢复。").arg(file);
        case BackupRefusal::damaged:
            return QStringLiteral("文件%1已经损坏（没有通过完整性检查），不能用来恢复。").arg(file);
        case BackupRefusal::notOurs:
            return QStringLiteral("文件%1不是本程序的数据库（没有玩家资料和预测记录的表），不能用来恢复。")
                .arg(file);
        case BackupRefusal::newerLayout:
            return QStringLiteral("文件%1由更新版本的程序写成，本版本读不懂它，不能用来恢复。").arg(file);
        case BackupRefusal::noPlayer:
            return QStringLiteral("文件%1中没有玩家资料，不能用来恢复。").arg(file);
    }
    return {};
}

bool RestoreDatabase(CPredictStore& store, const std::string& path, QString& message) {
    if (const QString refusal = BackupRefusalText(path); !refusal.isEmpty()) {
        message = refusal + QStringLiteral("数据库没有改动。");
        return false;
    }
    if (!TakeSafetyCopy(store, message)) {
        return false;
    }
    if (!store.RestoreFrom(path)) {
        message = QStringLiteral("恢复失败：无法写入数据库。数据库没有改动。");
        return false;
    }
    message =
        QStringLiteral("已从%1恢复数据库：%2。恢复前的数据库已存为安全备份，在%3。")
            .arg(QuotedFileName(path), Counts(store), QuotedFileName(SafetyCopyFolder(store.DatabasePath())));
    return true;
}

bool ArchiveOldest(CPredictStore& store, int count, QString& message) {
    const std::vector<int> oldest = store.OldestWithResult(count);
    if (static_cast<int>(oldest.size()) < count) {
        message = QStringLiteral("只有 %1 条已开奖的记录，不能归档 %2 条。没有归档任何记录。")
                      .arg(oldest.size())
                      .arg(count);
        return false;
    }
    if (!TakeSafetyCopy(store, message)) {
        return false;
    }
    if (!store.ArchiveRecords(oldest)) {
        message = QStringLiteral("归档失败：无法写入数据库。没有归档任何记录。");
        return false;
    }
    message = QStringLiteral("已归档最早的 %1 条已开奖的记录；现有%2。").arg(count).arg(Counts(store));
    return true;
}
