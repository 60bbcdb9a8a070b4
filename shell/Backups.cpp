// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Backups.h"

#include <vector>

#include "shell/FileErrors.h"
#include "shell/QtMessageTexts.h"
#include "shell/StoreMessages.h"
#include "store/CPredictStore.h"
#include "store/DatabaseBackup.h"
#include "store/DatabaseRestore.h"
#include "store/SafetyCopy.h"

namespace {

QString Counts(const CPredictStore& store) {
    return TextOf(Messages::kRecordCounts).arg(store.RecordSlots().size()).arg(store.ArchiveCount());
}

QString TableText(BackupTable table) {
    switch (table) {
        case BackupTable::player:
            return TextOf(Messages::kBackupPlayerTable);
        case BackupTable::history:
            return TextOf(Messages::kBackupHistoryTable);
        case BackupTable::archive:
            return TextOf(Messages::kBackupArchiveTable);
    }
    return {};
}

QString RefusalText(const std::string& path, const BackupCheck& check) {
    const QString file = QuotedFileName(path);
    const QString column = QString::fromStdString(check.column);
    switch (check.refusal) {
        case BackupRefusal::none:
            return {};
        case BackupRefusal::notRegular:
            return TextOf(Messages::kBackupNotRegular).arg(file);
        case BackupRefusal::unreadable:
            return TextOf(Messages::kCannotRead).arg(file, SystemReason(check.error));
        case BackupRefusal::isTheDatabase:
            return TextOf(Messages::kBackupIsTheDatabase).arg(file);
        case BackupRefusal::notADatabase:
            return TextOf(Messages::kBackupNotDatabase).arg(file);
        case BackupRefusal::busy:
            return TextOf(Messages::kBackupBusy).arg(file);
        case BackupRefusal::damaged:
            return TextOf(Messages::kBackupDamaged).arg(file);
        case BackupRefusal::notOurs:
            return TextOf(Messages::kBackupNotOurs).arg(file);
        case BackupRefusal::newerLayout:
            return TextOf(Messages::kBackupTooNew).arg(file);
        case BackupRefusal::noPlayer:
            return TextOf(Messages::kBackupWithoutPlayer).arg(file);
        case BackupRefusal::badValue:
            return TextOf(Messages::kBackupBadValue)
                .arg(file, TableText(check.table), QString::number(check.row), column);
        case BackupRefusal::repeatedNumber:
            return TextOf(Messages::kBackupNumberRepeated)
                .arg(file, TableText(check.table), column, QString::number(check.number));
        case BackupRefusal::missingNumber:
            return TextOf(Messages::kBackupNumberMissing)
                .arg(file, TableText(check.table), column, QString::number(check.number));
    }
    return {};
}

}  // namespace

bool TakeSafetyCopy(const CPredictStore& store, QString& error) {
    std::string written;
    const FileOutcome outcome = store.WriteSafetyCopy(written);
    if (outcome.Ok()) {
        return true;
    }
    const std::string shown = written.empty() ? SafetyCopyFolder(store.DatabasePath()) : written;
    error = TextOf(Messages::kSafetyCopyFailed)
                .arg(QuotedFileName(shown), outcome.kind == FileOutcome::Kind::system
                                                ? SystemReason(outcome.error)
                                                : TextOf(Messages::kNotRegularPlace));
    return false;
}

bool BackUpDatabase(const CPredictStore& store, const std::string& path, QString& message) {
    if (const QString refusal = ProtectedFileText(store.DatabasePath(), path); !refusal.isEmpty()) {
        message = TextOf(Messages::kBackupFailed).arg(refusal);
        return false;
    }
    const FileOutcome outcome = store.BackupTo(path);
    if (!outcome.Ok()) {
        message = TextOf(Messages::kBackupFailed).arg(WriteFailureText(path, outcome, false));
        return false;
    }
    message = TextOf(Messages::kBackedUp).arg(Counts(store), QuotedFileName(path));
    return true;
}

bool BackUpDatabaseToDescriptor(const CPredictStore& store, int fd, QString& message) {
    const FileOutcome outcome = store.BackupToDescriptor(fd);
    if (!outcome.Ok()) {
        message = TextOf(Messages::kBackupFailed)
                      .arg(TextOf(Messages::kStandardOutputFailed).arg(SystemReason(outcome.error)));
        return false;
    }
    message = TextOf(Messages::kBackedUp).arg(Counts(store), TextOf(Messages::kStandardOutput));
    return true;
}

QString BackupRefusalText(const CPredictStore& store, const std::string& path) {
    return RefusalText(path, CheckBackup(path, CPredictStore::kLayoutVersion, store.DatabasePath()));
}

bool RestoreDatabase(CPredictStore& store, const std::string& path, QString& message) {
    // The backup is checked as it is read, once; the safety copy comes only for one that passed.
    const RestoreOutcome outcome =
        store.RestoreFrom(path, [&store, &message] { return TakeSafetyCopy(store, message); });
    if (outcome.notReady) {
        return false;  // message: why the safety copy failed
    }
    if (!outcome.Ok()) {
        message =
            (outcome.check.Ok() ? TextOf(Messages::kRestoreWriteFailed) : RefusalText(path, outcome.check)) +
            TextOf(Messages::kDatabaseUnchanged);
        return false;
    }
    message =
        TextOf(Messages::kRestored)
            .arg(QuotedFileName(path), Counts(store), QuotedFileName(SafetyCopyFolder(store.DatabasePath())));
    return true;
}

bool ArchiveOldest(CPredictStore& store, int count, QString& message) {
    const std::vector<int> oldest = store.OldestWithResult(count);
    if (static_cast<int>(oldest.size()) < count) {
        message = TextOf(Messages::kTooFewToArchive).arg(oldest.size()).arg(count);
        return false;
    }
    if (!TakeSafetyCopy(store, message)) {
        return false;
    }
    if (const ArchiveOutcome outcome = store.ArchiveRecords(oldest); outcome != ArchiveOutcome::archived) {
        // A write that failed has words of its own here, where no window shows the file's state.
        message =
            TextOf(outcome == ArchiveOutcome::failed ? Messages::kArchiveWriteFailed : *MessageFor(outcome));
        return false;
    }
    message = TextOf(Messages::kArchived).arg(count).arg(Counts(store));
    return true;
}
