#include "shell/SafetyCopy.h"

#include "shell/FileErrors.h"
#include "store/CPredictStore.h"

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
